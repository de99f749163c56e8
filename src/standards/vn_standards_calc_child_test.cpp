#include <gtest/gtest.h>

#include <cstdlib>

#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg.h"
#include "vn_standards_dlg_nesting.h"
#include "vn_standards_fixture.h"
#include "win.h"

namespace {

double numberOf(const VnDlgStandardsData& data, const char* name) {
    return std::atof(StandardsFixture::valueOf(data, name).c_str());
}

const char* const kTimesTen = "Input\nDouble U\nOutput\nDouble V\nCalc\nV = U*10\n";

}  // namespace

class StandardsChild : public StandardsFixture {};

TEST_F(StandardsChild, ThreeLevelsEachInAHostOfItsOwn) {
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nDouble R\nCalc\n"
                  "\"R = CallChild(\"\"B.vns\"\", A, R)\"\n");
    writeStandard("Childs/B.vns",
                  "Input\nDouble X\nOutput\nDouble Y\nLocal\nDouble T\nCalc\nT = X + 1\n"
                  "\"Y = CallChild(\"\"C.vns\"\", T, Y)\"\n");
    writeStandard("Childs/C.vns", kTimesTen);
    auto data =
        childData(standardPath("P.vns"), {{"A", VnCellInput, "2"}, {"R", VnCellOutput, ""}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 30.0);
    EXPECT_TRUE(shownTexts().empty());
    EXPECT_EQ(gSSDlgsMgr.count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(gSSDlgsMgr.isInUse(i));
    // A second evaluation reuses the three hosts.
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(gSSDlgsMgr.count(), 3);
}

TEST_F(StandardsChild, SurplusArgumentsAreIgnoredMissingOnesFailTheCell) {
    writeStandard("Childs/C.vns", kTimesTen);
    writeStandard("P.vns",
                  "Input\nDouble A,Double Extra\nOutput\nDouble R,Double S\nCalc\n"
                  "\"R = CallChild(\"\"C.vns\"\", A, R, Extra)\"\n"
                  "\"S = CallChild(\"\"C.vns\"\", A)\"\n");
    auto data = childData(standardPath("P.vns"), {{"A", VnCellInput, "4"},
                                                  {"Extra", VnCellInput, "1"},
                                                  {"R", VnCellOutput, ""},
                                                  {"S", VnCellOutput, "7"}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 40.0);
    EXPECT_DOUBLE_EQ(numberOf(data, "S"), 7.0);
    ASSERT_EQ(shownTexts().size(), 1u);
    EXPECT_NE(shownTexts()[0].find("S = CallChild(\"C.vns\", A)"), std::string::npos);
}

// Its own file as the parent names it, and with other separators and its name in other
// letter case: the host paths decide, as the file names fold alike.
TEST_F(StandardsChild, AChildCallingItsOwnFileFailsThatCellHoweverSpelled) {
    std::string otherwise = standardPath("P.vns").str();
    for (char& c : otherwise)
        if (c == '\\') c = '/';
    otherwise.replace(otherwise.size() - 5, 5, "p.VNS");
    for (const std::string& self : {std::string("P.vns"), otherwise}) {
        SCOPED_TRACE(self);
        const std::size_t shownBefore = shownTexts().size();
        writeStandard("P.vns", "Input\nDouble A\nOutput\nDouble R\nCalc\n\"R = CallChild(\"\"" +
                                   self + "\"\", A, R)\"\n");
        auto data =
            childData(standardPath("P.vns"), {{"A", VnCellInput, "2"}, {"R", VnCellOutput, "5"}});
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(numberOf(data, "R"), 5.0);
        EXPECT_EQ(shownTexts().size(), shownBefore + 1);
        EXPECT_EQ(gSSDlgsMgr.count(), 1);
    }
}

TEST_F(StandardsChild, AnOutputBoundToAnInputOfTheCallerFailsTheChild) {
    writeStandard("Childs/C.vns", kTimesTen);
    writeStandard("P.vns",
                  "Input\nDouble A,Double B\nOutput\nDouble R\nCalc\n"
                  "\"R = CallChild(\"\"C.vns\"\", A, B)\"\n");
    auto data =
        childData(standardPath("P.vns"),
                  {{"A", VnCellInput, "1"}, {"B", VnCellInput, "2"}, {"R", VnCellOutput, "3"}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, "B"), "2");
    EXPECT_EQ(shownTexts().size(), 1u);
}

TEST_F(StandardsChild, ParentAndChildCallingEachOtherStopAtTheNestingBound) {
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nDouble R\nCalc\n"
                  "\"R = CallChild(\"\"Q.vns\"\", A, R)\"\nR = R + 1\n");
    writeStandard(
        "Childs/Q.vns",
        "Input\nDouble X\nOutput\nDouble Y\nCalc\n"
        "\"Y = CallChild(\"\"P.vns\"\", X, Y)\"\n\"Y = CallChild(\"\"P.vns\"\", X, Y)\"\n");
    auto data =
        childData(standardPath("P.vns"), {{"A", VnCellInput, "1"}, {"R", VnCellOutput, "0"}});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    // The cell at the bound shows the equation error; the levels above fail quietly, and
    // the rest of the top level is still calculated.
    EXPECT_EQ(shownTexts().size(), 1u);
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 1.0);
    EXPECT_EQ(gSSDlgsMgr.count(), VnStandardsNesting::kMaxStandardsNesting);
    EXPECT_EQ(VnStandardsNesting::depth(), 0);
    // The bound is cleared: an ordinary child evaluation works again.
    writeStandard("Childs/C.vns", kTimesTen);
    auto plain =
        childData(standardPath("Childs/C.vns"), {{"U", VnCellInput, "3"}, {"V", VnCellOutput, ""}});
    ASSERT_TRUE(StartDlgStandardsSS(plain));
    EXPECT_DOUBLE_EQ(numberOf(plain, "V"), 30.0);
}

TEST_F(StandardsChild, FewerArgumentsThanVariablesFailAndLeaveTheDataUntouched) {
    writeStandard("Childs/C.vns", kTimesTen);
    auto data = childData(standardPath("Childs/C.vns"), {{"U", VnCellInput, "3"}});
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells.length(), 1);
    EXPECT_EQ(valueOf(data, "U"), "3");
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
}

// A child gives back the arguments it only read, and the parent writes them into their cells
// again: skipped where the cell still holds that text, but not where a general variable's
// value replaced its name in the cell meanwhile.
TEST_F(StandardsChild, ArgumentsGivenBackRestoreCellsWhoseTextsWereReplaced) {
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nString V,String W,Double R\nCalc\n"
                  "\"CallChild(\"\"K.vns\"\", V, W, R)\"\n");
    writeStandard("Childs/K.vns",
                  "Input\nString S,String T\nOutput\nDouble B\nCalc\nB = LEN(S & T)\n");
    auto data = childData(standardPath("P.vns"), {{"A", VnCellInput, "1"},
                                                  {"V", VnCellOutput, "GV"},
                                                  {"W", VnCellOutput, "kept"},
                                                  {"R", VnCellOutput, ""}});
    data.genVarNames.append("GV");
    data.genVarValues.append("7");
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(StartDlgStandardsSS(data)) << round;
        EXPECT_DOUBLE_EQ(numberOf(data, "R"), 5.0);  // the child read "7" and "kept"
        auto* host = static_cast<VnStandardsDlg*>(gSSDlgsMgr.getDlg());
        ASSERT_NE(host, nullptr);
        Ktx_String v, w;
        host->spread.getCellText(1, 4, v, CellTextKind::Value);
        host->spread.getCellText(2, 4, w, CellTextKind::Value);
        gSSDlgsMgr.releaseDlg(host);
        EXPECT_EQ(v, "GV") << round;
        EXPECT_EQ(w, "kept") << round;
    }
}

// A child's arguments are found by name in any letter case, bound and given back by position,
// the same when the call's equation is taken as kept by the second evaluation; an argument
// naming no variable fails its cell only.
TEST_F(StandardsChild, ArgumentsBindByNameInAnyCaseAndReturnByPosition) {
    writeStandard("Childs/C.vns", kTimesTen);
    writeStandard("P.vns",
                  "Input\nDouble A\nOutput\nDouble R,Double Q\nCalc\n"
                  "\"R = CallChild(\"\"C.vns\"\", a, r)\"\n"
                  "\"Q = CallChild(\"\"C.vns\"\", R, q)\"\n"
                  "\"R = CallChild(\"\"C.vns\"\", Nowhere, R)\"\n");
    for (int round = 0; round < 2; ++round) {
        auto data =
            childData(standardPath("P.vns"),
                      {{"A", VnCellInput, "2"}, {"R", VnCellOutput, ""}, {"Q", VnCellOutput, ""}});
        ASSERT_TRUE(StartDlgStandardsSS(data)) << round;
        EXPECT_DOUBLE_EQ(numberOf(data, "R"), 20.0) << round;
        EXPECT_DOUBLE_EQ(numberOf(data, "Q"), 200.0) << round;
        EXPECT_EQ(valueOf(data, "A"), "2") << round;
    }
    ASSERT_EQ(shownTexts().size(), 2u);
    EXPECT_NE(shownTexts()[1].find("CallChild(\"C.vns\", Nowhere, R)"), std::string::npos);
}
