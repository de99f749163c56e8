#include "vn_ss_functions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core_reset.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "vn_ss_functions_args.h"
#include "vn_ss_functions_files.h"
#include "vn_ss_functions_host.h"

namespace {

SpreadValue num(double v) {
    SpreadValue s;
    s.status = SPREAD_STATUS_VALID;
    s.type = SPREAD_TYPE_DOUBLE;
    s.dfValue = v;
    return s;
}

SpreadValue text(const std::string& t) {
    SpreadValue s;
    s.status = SPREAD_STATUS_VALID;
    s.type = SPREAD_TYPE_STRING;
    s.hszValue = GlobalAlloc(GHND, t.size() + 1);
    std::memcpy(GlobalLock(s.hszValue), t.c_str(), t.size());
    GlobalUnlock(s.hszValue);
    return s;
}

SpreadValue noValue() {
    return SpreadValue{};
}

using Fn = bool (*)(SpreadValue*, SpreadValue*, short);

struct Call {
    bool ok = false;
    SpreadValue result;
    std::string textResult() const {
        if (result.type != SPREAD_TYPE_STRING || result.status != SPREAD_STATUS_VALID) return "";
        std::string s(static_cast<const char*>(GlobalLock(result.hszValue)));
        GlobalUnlock(result.hszValue);
        return s;
    }
};

Call call(Fn fn, std::vector<SpreadValue> args) {
    Call c;
    c.result.status = SPREAD_STATUS_VALID;  // a stale result must be reset
    c.ok = fn(&c.result, args.data(), static_cast<short>(args.size()));
    for (auto& a : args)
        if (a.hszValue) GlobalFree(a.hszValue);
    return c;
}

class StandardsFunctions : public ::testing::Test {
  protected:
    void SetUp() override {
        coreResetForTests();
        VnSSFunctionsFiles::clearCache();
        lib_ = std::filesystem::temp_directory_path() /
               ("vn_ss_functions_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(lib_ / "Connection Standards" / "Data");
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
    }
    void TearDown() override { std::filesystem::remove_all(lib_); }
    void writeData(const std::string& name, const std::string& content) {
        std::ofstream(lib_ / "Connection Standards" / "Data" / name, std::ios::binary) << content;
    }
    std::filesystem::path lib_;
};

}  // namespace

TEST_F(StandardsFunctions, ArrayItemCountsFromOneAndGivesNoValueOutside) {
    EXPECT_EQ(call(VnSSFunctions::getArrayItem, {text("a;b;c"), num(2)}).textResult(), "b");
    EXPECT_EQ(call(VnSSFunctions::getArrayItem, {text("a;b;c"), num(3.9)}).textResult(), "c");
    for (double n : {0.0, 4.0, -1.0}) {
        const Call c = call(VnSSFunctions::getArrayItem, {text("a;b;c"), num(n)});
        EXPECT_TRUE(c.ok);
        EXPECT_EQ(c.result.status, SPREAD_STATUS_NOVALUE) << n;
    }
    EXPECT_FALSE(call(VnSSFunctions::getArrayItem, {num(1), num(1)}).ok);
}

TEST_F(StandardsFunctions, IsNullAndIsPositiveOnEveryKindOfArgument) {
    EXPECT_EQ(call(VnSSFunctions::isNull, {noValue()}).result.dfValue, 1.0);
    EXPECT_EQ(call(VnSSFunctions::isNull, {text("")}).result.dfValue, 1.0);
    EXPECT_EQ(call(VnSSFunctions::isNull, {text("x")}).result.dfValue, 0.0);
    EXPECT_EQ(call(VnSSFunctions::isNull, {num(0)}).result.dfValue, 1.0);
    EXPECT_EQ(call(VnSSFunctions::isNull, {num(-2)}).result.dfValue, 0.0);
    EXPECT_EQ(call(VnSSFunctions::isPositive, {text("0.5")}).result.dfValue, 1.0);
    EXPECT_EQ(call(VnSSFunctions::isPositive, {text("-1")}).result.dfValue, 0.0);
    EXPECT_EQ(call(VnSSFunctions::isPositive, {noValue()}).result.dfValue, 0.0);
    EXPECT_EQ(call(VnSSFunctions::isPositive, {num(3)}).result.dfValue, 1.0);
    SpreadValue ref;
    ref.status = SPREAD_STATUS_VALID;
    ref.type = SPREAD_TYPE_CELL;
    EXPECT_FALSE(call(VnSSFunctions::isNull, {ref}).ok);
    EXPECT_FALSE(call(VnSSFunctions::isPositive, {ref}).ok);
}

// Texts turned into numbers (table cells, TONUMBER, ISPOSITIVE) read as atof reads them,
// plain decimals taken on a shorter road included.
TEST_F(StandardsFunctions, TextsBecomeTheNumbersAtofReads) {
    for (const char* t : {"300",
                          " 150 ",
                          "-0",
                          "12.5",
                          "0.1",
                          "007",
                          "12mm",
                          "1e3",
                          "1.5E+01",
                          "+4",
                          ".5",
                          "-.25",
                          "1 2",
                          "",
                          "abc",
                          "0x10",
                          "123456789.123456789",
                          "99999999999999999999",
                          "1e-310",
                          "1e400",
                          "212.0000000"}) {
        const double expected = std::atof(t);
        const double read = VnSSFunctionsArgs::leadingNumber(t);
        EXPECT_EQ(read, expected) << t;
        EXPECT_EQ(std::signbit(read), std::signbit(expected)) << t;
        EXPECT_EQ(call(VnSSFunctions::toNumber, {text(t)}).result.dfValue, expected) << t;
    }
}

TEST_F(StandardsFunctions, TextArgumentsLoseOneSurroundingQuote) {
    EXPECT_EQ(call(VnSSFunctions::toNumber, {text("\"12.5\"")}).result.dfValue, 12.5);
    EXPECT_EQ(call(VnSSFunctions::toNumber, {text("7 mm")}).result.dfValue, 7.0);
    EXPECT_FALSE(call(VnSSFunctions::toNumber, {num(7)}).ok);
    const Call r = call(VnSSFunctions::roundTo, {num(112), num(5)});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.result.type, SPREAD_TYPE_DOUBLE);
    EXPECT_EQ(r.result.dfValue, 110.0);
}

TEST_F(StandardsFunctions, GetCellLooksUpNumberKeysWithSixDecimals) {
    writeData("holes.txt", "// key\thole\n12.000000\t13\nM20\t22\n12.000000;M\t99\nshort\n");
    EXPECT_EQ(call(VnSSFunctions::getCell, {text("holes.txt"), num(12)}).textResult(), "13");
    EXPECT_EQ(call(VnSSFunctions::getCell, {text("holes.txt"), text("m20")}).textResult(), "22");
    EXPECT_EQ(call(VnSSFunctions::getCell, {text("holes.txt"), num(12), text("M")}).textResult(),
              "99");
    EXPECT_FALSE(call(VnSSFunctions::getCell, {text("holes.txt"), text("12")}).ok);
    EXPECT_FALSE(call(VnSSFunctions::getCell, {text("holes.txt"), text("short")}).ok);
    EXPECT_FALSE(call(VnSSFunctions::getCell, {text("missing.txt"), num(12)}).ok);
}

TEST_F(StandardsFunctions, ChangedDataFileIsReadAgain) {
    writeData("holes.txt", "M20\t22\n");
    EXPECT_EQ(call(VnSSFunctions::getCell, {text("holes.txt"), text("M20")}).textResult(), "22");
    writeData("holes.txt", "M20\t21.5\n");
    EXPECT_EQ(call(VnSSFunctions::getCell, {text("holes.txt"), text("M20")}).textResult(), "21.5");
    // Rewritten within one tick of the file system's clock: same size, same time.
    const std::filesystem::path file = lib_ / "Connection Standards" / "Data" / "holes.txt";
    const auto time = std::filesystem::last_write_time(file);
    writeData("holes.txt", "M20\t23.5\n");
    std::filesystem::last_write_time(file, time);
    EXPECT_EQ(call(VnSSFunctions::getCell, {text("holes.txt"), text("M20")}).textResult(), "23.5");
}

// Library look-ups are kept from one evaluation to the next: a file made, changed or reached
// from another working folder is still seen by the next evaluation.
TEST_F(StandardsFunctions, KeptLibraryLookUpsSeeEveryChange) {
    const auto evaluate = [] {
        vnBeginLibraryFileFacts();
        const std::string found =
            call(VnSSFunctions::getCell, {text("holes.txt"), text("M20")}).textResult();
        vnEndLibraryFileFacts();
        return found;
    };
    const std::filesystem::path here = std::filesystem::current_path();
    const std::filesystem::path work = lib_ / "work";
    std::filesystem::create_directories(work);
    const std::filesystem::path other = lib_ / "other";
    std::filesystem::create_directories(other / "Connection Standards");
    std::ofstream(other / "Connection Standards" / "holes.txt", std::ios::binary) << "M20\t30\n";
    std::filesystem::current_path(work);
    writeData("holes.txt", "M20\t22\n");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(evaluate(), "22");  // watched from the second
    // A file of that name in the working folder comes first.
    std::ofstream(work / "holes.txt", std::ios::binary) << "M20\t24\n";
    EXPECT_EQ(evaluate(), "24");
    EXPECT_EQ(evaluate(), "24");
    std::filesystem::current_path(lib_);
    EXPECT_EQ(evaluate(), "22");
    EXPECT_EQ(evaluate(), "22");
    writeData("holes.txt", "M20\t26.5\n");
    EXPECT_EQ(evaluate(), "26.5");
    EXPECT_EQ(evaluate(), "26.5");
    // Another library folder, made long before: the search is made there.
    gSettings.setLibDir(windowsPathFromHost(other.string()));
    EXPECT_EQ(evaluate(), "30");
    EXPECT_EQ(evaluate(), "30");
    gSettings.setLibDir(windowsPathFromHost(lib_.string()));
    EXPECT_EQ(evaluate(), "26.5");
    std::filesystem::remove(lib_ / "Connection Standards" / "Data" / "holes.txt");
    EXPECT_EQ(evaluate(), "");
    std::filesystem::current_path(here);
}

// A data file found by name in one evaluation is taken again by the next ones while nothing
// changed; a settled file rewritten with the same size (and another settled time) or removed
// is still seen at once.
TEST_F(StandardsFunctions, KeptDataFilesSeeEveryChangeOfASettledFile) {
    const auto evaluate = [] {
        vnBeginLibraryFileFacts();
        const std::string cell =
            call(VnSSFunctions::getCell, {text("holes.txt"), text("M20")}).textResult();
        const double size = call(VnSSFunctions::stdSizeWithTolerance,
                                 {text("sizes.txt"), num(1), num(141), num(0), num(20)})
                                .result.dfValue;
        vnEndLibraryFileFacts();
        return cell + "/" + std::to_string(static_cast<int>(size));
    };
    const std::filesystem::path data = lib_ / "Connection Standards" / "Data";
    const auto now = std::filesystem::file_time_type::clock::now();
    const auto write = [&](const std::string& holes, const std::string& sizes, int hoursAgo) {
        writeData("holes.txt", holes);
        writeData("sizes.txt", sizes);
        std::filesystem::last_write_time(data / "holes.txt", now - std::chrono::hours(hoursAgo));
        std::filesystem::last_write_time(data / "sizes.txt", now - std::chrono::hours(hoursAgo));
    };
    write("M20\t22\n", "150\n", 1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(evaluate(), "22/150");  // kept from the third
    write("M20\t24\n", "155\n", 2);
    EXPECT_EQ(evaluate(), "24/155");
    EXPECT_EQ(evaluate(), "24/155");
    std::filesystem::remove(data / "sizes.txt");
    EXPECT_EQ(evaluate(), "24/141");  // no sizes: the value itself, on the step
}

TEST_F(StandardsFunctions, ToleranceFunctionsReadTheSizeFile) {
    writeData("widths.txt", "100 x 10\n120 x 10\n150\n");
    auto width = [](double up) {
        return call(VnSSFunctions::stdWidthWithTolerance,
                    {text("widths.txt"), num(5), num(10), num(112), num(5), num(up)})
            .result.dfValue;
    };
    EXPECT_EQ(width(10), 120.0);
    EXPECT_EQ(width(5), 110.0);
    // Widths for another thickness in between: only the line without a thickness (150) is a
    // candidate there, none within the window, so the width is brought to the step.
    const auto widthFor = [](double thickness) {
        return call(VnSSFunctions::stdWidthWithTolerance,
                    {text("widths.txt"), num(5), num(thickness), num(112), num(5), num(10)})
            .result.dfValue;
    };
    EXPECT_EQ(widthFor(12), 110.0);
    EXPECT_EQ(widthFor(10), 120.0);
    EXPECT_EQ(widthFor(12), 110.0);
    EXPECT_EQ(call(VnSSFunctions::stdSizeWithTolerance,
                   {text("widths.txt"), num(1), num(140), num(0), num(20)})
                  .result.dfValue,
              150.0);
    EXPECT_EQ(call(VnSSFunctions::stdThicknessWithTolerance,
                   {text("widths.txt"), num(1), num(9), num(0), num(2)})
                  .result.dfValue,
              10.0);
    // A missing file is an empty list: the value is rounded within the tolerances.
    EXPECT_EQ(call(VnSSFunctions::stdSizeWithTolerance,
                   {text("none.txt"), num(5), num(112), num(5), num(5)})
                  .result.dfValue,
              110.0);
    EXPECT_FALSE(
        call(VnSSFunctions::stdSizeWithTolerance, {num(1), num(5), num(112), num(5), num(5)}).ok);
}

TEST_F(StandardsFunctions, SectionNamesAndSizesComeFromTheSectionTables) {
    gSectionTables.clear();
    Ktx_Array<Ktx_StringArray> rows;
    rows.append(Ktx_StringArray{"300", "IPE 300", "IPE 300", "IPE 300", "IPE 300", "300", "150"});
    ASSERT_EQ(
        gSectionTables.addSectionTable(
            "IPE.pr", "1", {"SysName", "English", "Dutch", "German", "French", "h", "b"}, rows),
        Acad::eOk);
    EXPECT_EQ(call(VnSSFunctions::getSysName, {text("IPE 300")}).textResult(), "IPE-300");
    EXPECT_EQ(call(VnSSFunctions::getSysName, {text("XYZ 1")}).textResult(), "XYZ 1");
    EXPECT_EQ(call(VnSSFunctions::sectionSize, {text("IPE-300"), num(6.7)}).result.dfValue, 150.0);
    EXPECT_FALSE(call(VnSSFunctions::sectionSize, {text("IPE-300"), num(9)}).ok);
    writeData("prof.txt", "IPE 300\tgood\n");
    EXPECT_EQ(call(VnSSFunctions::getProfCell, {text("prof.txt"), text("IPE-300")}).textResult(),
              "good");
    gSectionTables.clear();
}
