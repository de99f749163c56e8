// vnstd sheet calc / convert / show, run in-process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "formula_value_text.h"
#include "sheet_csv.h"

namespace {

struct SheetRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string drain(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    return text;
}

SheetRun sheet(const std::vector<std::string>& args) {
    CliContext context;
    context.out = std::tmpfile();
    context.err = std::tmpfile();
    SheetRun run;
    run.exitCode = runSheetCommand(context, args);
    run.out = drain(context.out);
    run.err = drain(context.err);
    return run;
}

class SheetCommand : public testing::Test {
  protected:
    std::string path(const std::string& name) {
        dir_ =
            std::filesystem::temp_directory_path() / ("vnstd_sheet_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        return (dir_ / name).string();
    }
    std::string write(const std::string& name, const std::string& text) {
        const std::string p = path(name);
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }
    void TearDown() override {
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
};

// True when a computed value text matches the expected text of the vectors file: numbers
// within 1e-12 relative, logicals as 1 / 0, text exactly.
bool matches(const std::string& got, const std::string& expected) {
    const std::string logical = got == "TRUE" ? "1" : (got == "FALSE" ? "0" : got);
    const std::optional<double> a = parseNumberText(logical);
    const std::optional<double> b = parseNumberText(expected);
    if (a && b) return std::fabs(*a - *b) <= 1e-12 * std::max(1.0, std::fabs(*b));
    return got == expected;
}

TEST_F(SheetCommand, CalcComputesEveryFormulaVector) {
    const std::string file = std::string(VN_TESTDATA_DIR) + "/formula-vectors.csv";
    const SheetRun run = sheet({"calc", file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string error;
    auto values = SheetCsv::read(run.out, false, error);
    std::ifstream in(file, std::ios::binary);
    const std::string source((std::istreambuf_iterator<char>(in)), {});
    auto input = SheetCsv::read(source, false, error);
    ASSERT_TRUE(values && input) << error;
    ASSERT_EQ(values->maxRows(), input->maxRows());
    ASSERT_EQ(values->maxCols(), input->maxCols());
    int cases = 0;
    for (int r = 1; r <= input->maxRows(); ++r) {
        if (!input->hasFormula(1, r)) continue;
        ++cases;
        EXPECT_TRUE(matches(values->dataText(1, r), input->dataText(2, r)))
            << "row " << r << ": =" << input->formulaText(1, r) << " gave "
            << values->dataText(1, r) << ", expected " << input->dataText(2, r);
    }
    EXPECT_GT(cases, 150);
}

TEST_F(SheetCommand, ADamagedFileNamesItsLineAndFails) {
    const std::string bad = write("bad.sss", "VNSHEET 1\r\nsize 2 2\r\ncell 9 9\r\nend 1\r\n");
    const SheetRun run = sheet({"calc", bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("bad.sss: line 3: cell outside the sheet"), std::string::npos)
        << run.err;
    const std::string csv = write("bad.csv", "1,2\n3,=4+\n");
    const SheetRun csvRun = sheet({"show", csv});
    EXPECT_EQ(csvRun.exitCode, 1);
    EXPECT_NE(csvRun.err.find("line 2, column 2"), std::string::npos) << csvRun.err;
}

TEST_F(SheetCommand, ConvertGoesBothWaysAndCalcGivesTheSameShape) {
    const std::string csv = write("t.csv", "Key,Value\r\nA,=B2*2\r\n\"x,y\",3\r\nlast,\r\n");
    const std::string sheetFile = path("t.vns");
    ASSERT_EQ(sheet({"convert", csv, sheetFile, "--header-row"}).exitCode, 0);
    const std::string back = path("back.csv");
    ASSERT_EQ(sheet({"convert", sheetFile, back, "--header-row"}).exitCode, 0);
    std::ifstream in(back, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "Key,Value\r\nA,=B2*2\r\n\"x,y\",3\r\nlast,\r\n");
    const SheetRun calc = sheet({"calc", sheetFile, "--header-row"});
    EXPECT_EQ(calc.out, "Key,Value\r\nA,6\r\n\"x,y\",3\r\nlast,\r\n");
}

TEST_F(SheetCommand, ShowListsTheNonEmptyCells) {
    const std::string csv = write("s.csv", "2,=A1*3\n,\"tab\there\"\n");
    const SheetRun run = sheet({"show", csv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "cell\ttype\tdata\tformula\tvalue\n"
              "A1\tgeneral\t2\t\t2\n"
              "B1\tgeneral\t\tA1*3\t6\n"
              "B2\tgeneral\ttab\\there\t\ttab\\there\n");
}

TEST_F(SheetCommand, UsageErrorsExitWithTwo) {
    EXPECT_EQ(sheet({}).exitCode, 2);
    EXPECT_EQ(sheet({"calc"}).exitCode, 2);
    EXPECT_EQ(sheet({"calc", "a", "--bogus"}).exitCode, 2);
    EXPECT_EQ(sheet({"frobnicate", "a"}).exitCode, 2);
    EXPECT_EQ(sheet({"calc", path("missing.csv")}).exitCode, 1);
}

}  // namespace
