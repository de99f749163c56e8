#include <gtest/gtest.h>

#include <cstdlib>

#include "ktx_settings.h"
#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg.h"
#include "vn_standards_fixture.h"
#include "win_driver.h"

namespace {

double numberOf(const VnDlgStandardsData& data, const char* name) {
    return std::atof(StandardsFixture::valueOf(data, name).c_str());
}

}  // namespace

class StandardsCalc : public StandardsFixture {};

TEST_F(StandardsCalc, CommentWithoutEqualsFailsThatCellOnlyWithTheEquationError) {
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nDouble R,Double S\nCalc\nThis is a comment\n"
                  "R = A*2\nS = R + 1\n");
    auto data =
        childData(standardPath("P.vns"),
                  {{"A", VnCellInput, "5"}, {"R", VnCellOutput, ""}, {"S", VnCellOutput, ""}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 10.0);
    EXPECT_DOUBLE_EQ(numberOf(data, "S"), 11.0);
    ASSERT_EQ(shownTexts().size(), 1u);
    EXPECT_EQ(shownTexts()[0],
              "The following equation failed:\nThis is a comment\nSpreadsheet : " +
                  standardPath("P.vns").str() +
                  " (line: 6)\nHere's a tip for finding the cause :\nIf this equation contains "
                  "variable names, then the translator does not know the value of the variable. "
                  "Make sure the variable exists either in input, output, local declarations or "
                  "among the gen_ variables.");
    EXPECT_EQ(winMessageBoxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(StandardsCalc, EquationErrorsStayQuietWhenMessagesAreOff) {
    gSettings.ssErrorMessages = false;
    writeStandard("P.vns", "Input\nDouble A\nOutput\nDouble R\nCalc\nR = Unknown*2\nR = A\n");
    auto data =
        childData(standardPath("P.vns"), {{"A", VnCellInput, "3"}, {"R", VnCellOutput, ""}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 3.0);
    EXPECT_TRUE(shownTexts().empty());
}

TEST_F(StandardsCalc, LeftSideIsTheTextBeforeTheFirstEqualsSign) {
    writeStandard("P.vns",
                  "Input\nDouble A,Double B\nOutput\nDouble Width,String Same\nCalc\n"
                  "Width = A * 2\n\"Same = IF(A=B,\"\"equal\"\",\"\"different\"\")\"\n");
    auto data = childData(standardPath("P.vns"), {{"A", VnCellInput, "4"},
                                                  {"B", VnCellInput, "4"},
                                                  {"Width", VnCellOutput, ""},
                                                  {"Same", VnCellOutput, ""}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "Width"), 8.0);
    EXPECT_EQ(valueOf(data, "Same"), "equal");
    EXPECT_TRUE(shownTexts().empty());
}

TEST_F(StandardsCalc, TranslationIsOnePassAndLeavesStringLiteralsAlone) {
    // Width's cell is B3, and a variable is named B3: inserting "B3" for Width must not be
    // translated again into B3's own cell; "Width" inside quotes is text, not a variable.
    writeStandard("P.vns",
                  "Input\nDouble Z\n,Double Width,Double B3,String K\nOutput\nDouble R,String S\n"
                  "Calc\nR = Width*10 + B3\n\"S = IF(K=\"\"Width\"\",\"\"yes\"\",\"\"no\"\")\"\n");
    auto data = childData(standardPath("P.vns"), {{"Z", VnCellInput, "0"},
                                                  {"Width", VnCellInput, "2"},
                                                  {"B3", VnCellInput, "100"},
                                                  {"K", VnCellInput, "Width"},
                                                  {"R", VnCellOutput, ""},
                                                  {"S", VnCellOutput, ""}});
    data.varCells[3].valueType = VnValueString;
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 120.0);
    EXPECT_EQ(valueOf(data, "S"), "yes");
}

TEST_F(StandardsCalc, GeneralVariablesAreReplacedAsWholeWordsTextQuoted) {
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nDouble R,Double WIDTH,Double W_1,String G\nCalc\n"
                  "WIDTH = 7\nW_1 = 3\nR = W*2 + WIDTH + W_1\nG = Grade\n");
    auto data = childData(standardPath("P.vns"), {{"A", VnCellInput, "0"},
                                                  {"R", VnCellOutput, ""},
                                                  {"WIDTH", VnCellOutput, ""},
                                                  {"W_1", VnCellOutput, ""},
                                                  {"G", VnCellOutput, ""}});
    data.genVarNames = {"W", "Grade"};
    data.genVarValues = {"5", "S355"};
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 20.0);
    EXPECT_EQ(valueOf(data, "G"), "S355");
    EXPECT_TRUE(shownTexts().empty());
}

TEST_F(StandardsCalc, DuplicateNamesAreReportedOncePerCalculationAndTheFirstIsUsed) {
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nDouble R,Double R\nLocal\nDouble A\nCalc\nR = 4\n");
    for (int run = 1; run <= 2; ++run) {
        auto data = childData(
            standardPath("P.vns"),
            {{"A", VnCellInput, "1"}, {"R", VnCellOutput, "0"}, {"R2", VnCellOutput, "0"}});
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(numberOf(data, "R"), 4.0);
        EXPECT_EQ(valueOf(data, "R2"), "0");
        ASSERT_EQ(winMessageBoxes().size(), static_cast<size_t>(run));
        const MessageBoxRecord& box = winMessageBoxes().back();
        EXPECT_EQ(box.caption, "Variable names must be unique");
        EXPECT_EQ(box.text, "There were duplicate variable names found in the standards file " +
                                standardPath("P.vns").str() +
                                ".\nThe duplicates will be ignored. Please correct this file.\n"
                                "Duplicate variable names:\n\nR\nA");
    }
}

TEST_F(StandardsCalc, MissingCalcHeaderFailsTheEvaluationAndLeavesTheDataUntouched) {
    writeStandard("P.vns", "Input\nDouble A\nOutput\nDouble R\n");
    auto data =
        childData(standardPath("P.vns"), {{"A", VnCellInput, "1"}, {"R", VnCellOutput, "9"}});
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, "R"), "9");
    EXPECT_EQ(gSSDlgsMgr.count(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
}

TEST_F(StandardsCalc, GridErrorValuesFailTheirEquationButTextsStartingWithAHashDoNot) {
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nDouble R,String S,String N\nCalc\nR = A/0\n"
                  "\"S = \"\"#tag\"\"\"\n\"N = \"\"#NAME?\"\"\"\n");
    const char* const outputs[] = {"R", "S", "N"};
    auto data = childData(standardPath("P.vns"), {{"A", VnCellInput, "2"}});
    for (const char* name : outputs) {
        VnVarCell output = data.varCells[0];
        output.name = name;
        output.cellType = VnCellOutput;
        data.varCells.append(output);
    }
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, "S"), "#tag");
    // A text equal to an error value cannot be told from one: it fails like the division.
    ASSERT_EQ(shownTexts().size(), 2u);
    EXPECT_EQ(shownTexts()[0].rfind("The following equation failed:\nR = A/0\n", 0), 0u);
    EXPECT_EQ(shownTexts()[1].rfind("The following equation failed:\nN = \"#NAME?\"\n", 0), 0u);
}
