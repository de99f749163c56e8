#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "ktx_settings.h"
#include "vn_standards_dlg.h"
#include "vn_standards_fixture.h"

namespace {

namespace fs = std::filesystem;

// Two standards of the same file size whose declarations differ: evaluating the second with
// the declarations of the first fails its Calc cell (W is not declared there).
const char* const kTimesTen = "Input\nDouble U\nOutput\nDouble V\nCalc\nV = U*10\n";
const char* const kTimesTwenty = "Input\nDouble U\nOutput\nDouble W\nCalc\nW = U*20\n";

}  // namespace

class StandardsKept : public StandardsFixture {
  protected:
    fs::path hostFile() const { return lib_ / "Connection Standards" / "C.vns"; }
    std::string evaluate() {
        auto data =
            childData(standardPath("C.vns"), {{"A", VnCellInput, "3"}, {"R", VnCellOutput, ""}});
        EXPECT_TRUE(StartDlgStandardsSS(data));
        return valueOf(data, "R");
    }
    void age(fs::file_time_type when) { fs::last_write_time(hostFile(), when); }
};

TEST_F(StandardsKept, AnUnchangedStandardEvaluatesAlikeAndAChangedOneIsReadAnew) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    writeStandard("C.vns", kTimesTen);
    const auto size = fs::file_size(hostFile());
    age(old);
    EXPECT_EQ(evaluate(), "30.0000000");
    EXPECT_EQ(evaluate(), "30.0000000");
    writeStandard("C.vns", kTimesTwenty);
    ASSERT_EQ(fs::file_size(hostFile()), size);
    age(old + std::chrono::seconds(1));
    EXPECT_EQ(evaluate(), "60.0000000");
}

// A file read before it settled may be rewritten within the same tick of the file system's
// clock, keeping size and time: what was read from it is never reused.
TEST_F(StandardsKept, AStandardReadBeforeItSettledIsReadAgain) {
    writeStandard("C.vns", kTimesTen);
    const auto written = fs::last_write_time(hostFile());
    EXPECT_EQ(evaluate(), "30.0000000");
    writeStandard("C.vns", kTimesTwenty);
    age(written);
    EXPECT_EQ(evaluate(), "60.0000000");
}

// The translation built for one standard serves another only when its variables are the same
// names in the same cells: here the same names sit one row lower.
TEST_F(StandardsKept, SameNamesInOtherCellsTranslateToTheirOwnCells) {
    writeStandard("C.vns", kTimesTen);
    EXPECT_EQ(evaluate(), "30.0000000");
    writeStandard("D.vns", "Input\n\nDouble U\nOutput\n\nDouble V\nCalc\nV = U*10\n");
    auto data =
        childData(standardPath("D.vns"), {{"A", VnCellInput, "4"}, {"R", VnCellOutput, ""}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, "R"), "40.0000000");
}

// General variables are replaced in the arguments written into the variables' cells, on the
// evaluation that reads the file and on one that takes what was kept of it.
TEST_F(StandardsKept, GeneralVariablesReachTheArgumentsWrittenAfterTheLoad) {
    writeStandard("G.vns",
                  "Input\nString U\nOutput\nString V\nLocal\nDouble L\nCalc\n"
                  "L = GV*2\nV = U\n");
    for (int round = 0; round < 2; ++round) {
        auto data =
            childData(standardPath("G.vns"), {{"A", VnCellInput, "GV"}, {"R", VnCellOutput, ""}});
        data.genVarNames.append("GV");
        data.genVarValues.append("7");
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_EQ(valueOf(data, "R"), "7") << round;
    }
}

// The texts general variables make of a settled standard's Calc cells are kept for the next
// evaluation with the same variables; other values, or other variables, work them out again.
TEST_F(StandardsKept, ReplacedCalcTextsFollowTheGeneralVariablesOfEachEvaluation) {
    writeStandard("C.vns",
                  "Input\nDouble U\nOutput\nString V\nLocal\nDouble L\nCalc\n"
                  "L = U*GV + GW\n\"V = \"\"GV=\"\" & GV & \"\"/\"\" & L\"\n");
    age(fs::file_time_type::clock::now() - std::chrono::minutes(5));
    const auto run = [&](std::vector<std::pair<const char*, const char*>> generals) {
        auto data =
            childData(standardPath("C.vns"), {{"A", VnCellInput, "3"}, {"R", VnCellOutput, ""}});
        for (const auto& [name, value] : generals) {
            data.genVarNames.append(name);
            data.genVarValues.append(value);
        }
        EXPECT_TRUE(StartDlgStandardsSS(data));
        return valueOf(data, "R");
    };
    EXPECT_EQ(run({{"GV", "7"}, {"GW", "1"}}), "GV=7/22");
    EXPECT_EQ(run({{"GV", "7"}, {"GW", "1"}}), "GV=7/22");
    EXPECT_EQ(run({{"GV", "5"}, {"GW", "1"}}), "GV=5/16");
    EXPECT_EQ(run({{"GV", "5"}, {"GW", "2"}}), "GV=5/17");
    EXPECT_EQ(run({{"GW", "2"}, {"GV", "5"}}), "GV=5/17");
    EXPECT_EQ(run({{"GV", "7"}, {"GW", "1"}}), "GV=7/22");
}

// Without general variables the Calc cells' equations are kept the same way, under the empty
// set of variables: an evaluation with variables between two without them replaces texts
// that the next evaluation without them must not take.
TEST_F(StandardsKept, EvaluationsWithoutGeneralVariablesNeverTakeReplacedTexts) {
    gSettings.ssErrorMessages = false;  // "GV = 4" fails once GV is replaced by its value
    writeStandard("C.vns",
                  "Input\nDouble U\nOutput\nDouble V\nLocal\nDouble GV\nCalc\nGV = 4\n"
                  "V = U*GV\n");
    age(fs::file_time_type::clock::now() - std::chrono::minutes(5));
    const auto run = [&](const char* general) {
        auto data =
            childData(standardPath("C.vns"), {{"A", VnCellInput, "3"}, {"R", VnCellOutput, ""}});
        if (general) {
            data.genVarNames.append("GV");
            data.genVarValues.append(general);
        }
        EXPECT_TRUE(StartDlgStandardsSS(data));
        return valueOf(data, "R");
    };
    EXPECT_EQ(run(nullptr), "12.0000000");
    EXPECT_EQ(run(nullptr), "12.0000000");
    EXPECT_EQ(run("7"), "21.0000000");
    EXPECT_EQ(run(nullptr), "12.0000000");
    EXPECT_EQ(run("5"), "15.0000000");
    EXPECT_EQ(run(nullptr), "12.0000000");
}
