#include "macro_tab_edit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_file.h"

namespace {

const char* kMacro =
    "macro EndPlate\n"
    "general gen_Gap 10\n"
    "module Plate1 other label \"End plate\"\n"
    "  var T 15\n"
    "  var EdgeTop 40 fixed\n"
    "  cut Corner chamfer Chamfer1=10 Chamfer2=10\n"
    "module Bolts1 bolt label Bolts\n"
    "  var T 99\n"
    "  pattern Rows two\n"
    "tab \"End plate\"\n"
    "tab Bolts\n"
    "  bolts M20 2\n"
    "  nrbolts Rows 2 3\n";

struct Fixture {
    Ktx_Macro macro;
    MacroData data;
    Fixture() {
        std::string error;
        EXPECT_TRUE(parseMacroText(kMacro, macro, data, error)) << error;
        data.edit.macros.push_back(&macro);
        MacroTabData& plate = data.tabs[0];
        plate.edit.cells = {{"T", "15", false, 0, 1},
                            {"EdgeTop", "40", true, 0, 2},
                            {"gen_Gap", "10", false, 0, -1}};
        plate.edit.cuts = {{"Corner", 10.0, 3}};
    }
    double var(const char* module, const char* name) {
        return macro.findModule(Ktx_String(module))->findVariable(name)->value;
    }
};

TEST(MacroEditState, DifferencesListOnlyChangedItemsInOrder) {
    Fixture f;
    MacroTabData before = f.data.tabs[0];
    MacroTabData& after = f.data.tabs[0];
    after.findCellWithName(Ktx_String("T"))->value = "20";
    after.findCutWithName(Ktx_String("Corner"))->value = 12.5;
    after.edit.boltFields[2] = "x";
    MacroDifferences d = differences(before, after);
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].kind, MacroDifference::kCell);
    EXPECT_EQ(d[0].value, "20");
    EXPECT_EQ(d[1].kind, MacroDifference::kCut);
    EXPECT_EQ(d[1].value, "12.5");
    EXPECT_EQ(d[2].name, "3");

    MacroTabData bolts = f.data.tabs[1];
    f.data.tabs[1].findPatternWithName(Ktx_String("Rows"))->nrBolts2 = "4";
    d = differences(bolts, f.data.tabs[1]);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].kind, MacroDifference::kBoltCount2);
    EXPECT_TRUE(differences(f.data.tabs[1], f.data.tabs[1]).empty());
}

TEST(MacroEditState, UpdateModuleChangesOnlyTheTabsModulesAndTheMacroFileShowsIt) {
    Fixture f;
    MacroDifferences d = {{MacroDifference::kCell, "T", "20"},
                          {MacroDifference::kCell, "gen_Gap", "12"},
                          {MacroDifference::kCut, "Corner", "7"}};
    EXPECT_EQ(UpdateModule(Ktx_String("End plate"), f.data, d), Acad::eOk);
    EXPECT_EQ(f.var("Plate1", "T"), 20.0);
    EXPECT_EQ(f.var("Bolts1", "T"), 99.0);  // another tab's module keeps its value
    double gap = 0;
    EXPECT_TRUE(f.macro.generalVariableValue(Ktx_String("gen_Gap"), gap));
    EXPECT_EQ(gap, 12.0);
    EXPECT_EQ(
        f.macro.findModule(Ktx_String("Plate1"))->findCut("Corner")->offsets[kCutChamferOffset1],
        7.0);
    EXPECT_EQ(f.data.tabs[0].findCellWithName(Ktx_String("T"))->value, "20");
    std::string text;
    ASSERT_TRUE(formatMacroText(f.macro, f.data, text));
    EXPECT_NE(text.find("var T 20"), std::string::npos);
}

TEST(MacroEditState, UpdateModuleRefusesFixedVariablesBadNumbersAndUnknownTabs) {
    Fixture f;
    EXPECT_EQ(
        UpdateModule(Ktx_String("End plate"), f.data, {{MacroDifference::kCell, "EdgeTop", "50"}}),
        Acad::eKeyNotFound);
    EXPECT_EQ(f.var("Plate1", "EdgeTop"), 40.0);
    EXPECT_EQ(UpdateModule(Ktx_String("End plate"), f.data, {{MacroDifference::kCell, "T", "abc"}}),
              Acad::eInvalidInput);
    EXPECT_EQ(f.var("Plate1", "T"), 15.0);
    EXPECT_EQ(UpdateModule(Ktx_String("Nope"), f.data, {{MacroDifference::kCell, "T", "1"}}),
              Acad::eKeyNotFound);
}

TEST(MacroEditState, ReApplyAndRefreshRoundTripThroughTheMacro) {
    Fixture f;
    f.data.tabs[0].findCellWithName(Ktx_String("T"))->value = "25";
    EXPECT_EQ(f.data.reApply(), Acad::eOk);  // the read-only EdgeTop is not applied
    EXPECT_EQ(f.var("Plate1", "T"), 25.0);
    f.macro.findModule(Ktx_String("Plate1"))->findVariable("T")->value = 30;
    f.data.refreshFromMacros();
    EXPECT_EQ(f.data.tabs[0].findCellWithName(Ktx_String("T"))->value, "30");
}

TEST(MacroEditState, EditKeyForOneMacroAGroupAndSeveralMacros) {
    Fixture f;
    EXPECT_EQ(f.data.editKey(), "EDITVARS_EndPlate");
    Ktx_Macro a, b;
    f.data.edit.macros = {&f.macro, &a, &b};
    EXPECT_EQ(f.data.editKey(), "EDITVARS_3_MACROS");
    f.data.edit.currentGroup = "Beams";
    EXPECT_EQ(f.data.editKey(), "EDITVARS_GROUP_Beams");
    f.data.edit.macros.clear();
    EXPECT_EQ(f.data.editKey(), "EDITVARS_");
}

TEST(MacroEditState, ClashCallsAreRecordedInOrder) {
    clearMacroCoreCallLog();
    Fixture f;
    clashInitDlgStarted(2);
    clashSetStatus(false);
    EXPECT_FALSE(clashGetStatus());
    clashcheck(f.data);
    f.data.changeView(Ktx_String("Bolts"), 3);
    clashDlgClosed(2);
    std::vector<std::string> want = {"clashInitDlgStarted 2", "clashSetStatus 0", "clashcheck",
                                     "changeView Bolts 3", "clashDlgClosed 2"};
    EXPECT_EQ(macroCoreCallLog(), want);
}

}  // namespace
