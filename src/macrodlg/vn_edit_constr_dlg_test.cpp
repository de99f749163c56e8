#include "vn_edit_constr_dlg.h"

#include <gtest/gtest.h>

#include "acrx_entry.h"
#include "core.h"
#include "edit_constr_file.h"
#include "grid.h"
#include "grid_user.h"
#include "modeless_windows.h"
#include "path_translation.h"
#include "vn_dlg_macro_settings.h"
#include "vn_input_line_dlg.h"
#include "win_driver.h"

namespace {

using E = VnEditConstrDlg;
using L = VnConstrListPage;

class ConstraintEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string source = std::string(VN_SOURCE_DIR) + "/examples";
        gSettings.setLibDir(windowsPathFromHost(source + "/library"));
        Ktx_String error;
        ASSERT_TRUE(
            readConstrDrawing(Ktx_String(source + "/macros/base_plate.constr"), drawing, error));
        data.drawing = &drawing;
        data.currentModule = "Plate";
    }
    // The open modeless editor.
    E& editor() { return *dynamic_cast<E*>(constraintEditor()); }
    HWND window() { return editor().GetSafeHwnd(); }
    HWND grid() { return editor().constraintsPage().spread().gridWindow(); }
    std::string selectedModule() {
        CWnd* list = editor().GetDlgItem(E::kModules);
        const int sel = static_cast<int>(list->SendMessage(CB_GETCURSEL));
        char text[64] = {};
        list->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text));
        return text;
    }
    int logCount(const std::string& line) {
        return static_cast<int>(std::count(drawing.log.begin(), drawing.log.end(), line));
    }
    Ktx_ModuleDesign& plate() { return *drawing.macros[0].designOf("Plate"); }

    Ktx_ConstrDrawing drawing;
    EditConstrData data;
};

TEST_F(ConstraintEditor, OneModelessEditorAtATimeWithTheFocusLeftToTheHost) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    CDialog* first = constraintEditor();
    EXPECT_TRUE(IsWindowVisible(window()));
    EXPECT_EQ(GetFocus(), adsw_acadMainWnd());
    EXPECT_EQ(editor().shownPage(), E::kConstraintsPage);
    EXPECT_EQ(selectedModule(), "Plate");

    const size_t windows = winTopLevelWindows().size();
    EditConstrData other = data;
    other.currentModule = "Anchors";
    EXPECT_TRUE(StartDlgEditConstraints(other));
    EXPECT_EQ(constraintEditor(), first);
    EXPECT_EQ(selectedModule(), "Plate");
    EXPECT_EQ(winTopLevelWindows().size(), windows);
}

TEST_F(ConstraintEditor, UnloadingStoresTheShownConstraintDestroysTheEditorAndPostsAPrompt) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    HWND w = window();
    winExpectUserFailures();
    EXPECT_FALSE(userType(w, L::kValue, "55"));  // the perpendicular has no value
    ASSERT_TRUE(ssUserClickCell(grid(), 1, 6));  // the radius
    ASSERT_TRUE(userType(w, L::kValue, "12"));
    int appId = 0;
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId), AcRx::kRetOK);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(isConstraintEditorOpen());
    EXPECT_EQ(acadPostedPromptCount(), 1);
    EXPECT_EQ(plate().constraints[5].values[0], 12);
    EXPECT_EQ(logCount("update variables Plate"), 1);
    EXPECT_EQ(winUserFailures().size(), 1u);
}

TEST_F(ConstraintEditor, CloseHidesTheEditorAndEndsItAfterTheClick) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    HWND w = window();
    ASSERT_TRUE(userClick(w, IDOK));
    EXPECT_FALSE(IsWindowVisible(w));
    winAdvanceClock(20);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(isConstraintEditorOpen());
    EXPECT_EQ(acadPostedPromptCount(), 1);
    EXPECT_TRUE(dlgSizeRead("DLG_EDIT_MACRO").has_value());
}

TEST_F(ConstraintEditor, RemovingTheLastModuleSelectsTheNewLast) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    ASSERT_TRUE(userChoose(window(), E::kModules, "Stiffener"));
    EXPECT_EQ(editor().data().currentModule, "Stiffener");
    ASSERT_TRUE(userClick(window(), E::kRemoveModule));
    EXPECT_EQ(selectedModule(), "Anchors");
    EXPECT_EQ(editor().data().currentModule, "Anchors");
    EXPECT_EQ(editor().constraintsPage().spread().getMaxRows(), 2);
    ASSERT_TRUE(userChoose(window(), E::kModules, "Plate"));
    ASSERT_TRUE(userClick(window(), E::kRemoveModule));
    EXPECT_EQ(selectedModule(), "Anchors");  // the same position
}

TEST_F(ConstraintEditor, CommandElevenEndsWithTheNewestModuleSelected) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    ASSERT_TRUE(userClick(window(), E::kAddModule));
    EXPECT_EQ(selectedModule(), "Module4");
    EXPECT_EQ(editor().data().currentModule, "Module4");
    EXPECT_TRUE(IsWindowVisible(window()));
    const std::vector<std::string> tail(drawing.log.end() - 5, drawing.log.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"begin editor command", "command 11", "add module Module4",
                                        "complete editor command", "current module Module4"}));
}

TEST_F(ConstraintEditor, ConstraintCommandsBringTheListForwardShowingTheNewConstraint) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    ASSERT_TRUE(userSelectTab(window(), E::kTab, E::kCommandsPage));
    winQueueMenuChoice("Hole");
    ASSERT_TRUE(userClick(window(), VnCommandsPage::kFirstCommand + 9));
    EXPECT_EQ(editor().shownPage(), E::kConstraintsPage);
    EXPECT_EQ(editor().constraintsPage().shownIndex(), 7);
    EXPECT_EQ(editor().constraintsPage().spread().getMaxRows(), 8);
    EXPECT_EQ(winToolTipOf(winFindControl(window(), VnCommandsPage::kFirstCommand + 9)), "Radius");
}

TEST_F(ConstraintEditor, SortingByTheSortedColumnDoesNotRefill) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    ASSERT_TRUE(ssUserClickCell(grid(), 1, 0));
    EXPECT_EQ(logCount("sort constraints 1 0"), 1);
    ASSERT_TRUE(ssUserClickCell(grid(), 3, 1));  // a row click moves the active cell
    ASSERT_TRUE(ssUserClickCell(grid(), 1, 0));
    int col = 0, row = 0;
    SSGetActiveCell(grid(), &col, &row);
    EXPECT_EQ(col, 3);  // not refilled: the active cell stayed
    EXPECT_EQ(logCount("sort constraints 1 0"), 1);
    ASSERT_TRUE(ssUserClickCell(grid(), 2, 0));
    EXPECT_EQ(logCount("sort constraints 2 1"), 1);
}

TEST_F(ConstraintEditor, RightClicksOpenTheConstraintMenuOnlyOnItsFirstThreeColumns) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    ASSERT_TRUE(ssUserRightClickCell(grid(), 4, 5));
    ASSERT_TRUE(ssUserRightClickCell(grid(), 1, 0));
    EXPECT_TRUE(winPopupMenus().empty());

    winQueueMenuChoice("Reversed");
    ASSERT_TRUE(ssUserRightClickCell(grid(), 1, 5));  // the symmetric, reversed
    ASSERT_EQ(winPopupMenus().size(), 1u);
    const std::vector<WinMenuItem>& items = winPopupMenus()[0].items;
    ASSERT_EQ(items.size(), 11u);
    EXPECT_NE(items[9].flags & MF_SEPARATOR, 0u);
    EXPECT_NE(items[3].flags & MF_CHECKED, 0u);   // Symmetric
    EXPECT_NE(items[10].flags & MF_CHECKED, 0u);  // Reversed
    EXPECT_EQ(items[0].flags & MF_CHECKED, 0u);
    EXPECT_EQ(plate().constraints[4].flags & kConstrReversed, 0);
    EXPECT_EQ(editor().constraintsPage().shownIndex(), 4);
}

TEST_F(ConstraintEditor, ARowClickStoresFirstAndStaysWhenTheFieldsAreInvalid) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    HWND w = window();
    ASSERT_TRUE(ssUserClickCell(grid(), 1, 3));   // the distance driven by H
    ASSERT_TRUE(userType(w, L::kVariable, "W"));  // W drives row 4 already
    winQueueMessageBoxAnswer(IDOK);
    ASSERT_TRUE(ssUserClickCell(grid(), 1, 6));
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    EXPECT_EQ(winMessageBoxes()[0].text,
              "A variable of this name drives another constraint already.");
    EXPECT_EQ(editor().constraintsPage().shownIndex(), 2);
    int col = 0, row = 0;
    SSGetActiveCell(grid(), &col, &row);
    EXPECT_EQ(row, 3);

    ASSERT_TRUE(userType(w, L::kVariable, "Depth"));
    ASSERT_TRUE(ssUserClickCell(grid(), 1, 6));
    EXPECT_EQ(editor().constraintsPage().shownIndex(), 5);
    EXPECT_EQ(drawing.highlighted, std::vector<int>{5});
    EXPECT_EQ(plate().constraints[2].texts[3], "Depth");
    EXPECT_EQ(plate().varsEqs.back(), (Ktx_VarEq{"Depth", 400, kVarEqDimension}));
    EXPECT_TRUE(IsWindowVisible(winFindControl(w, L::kCut)));  // the radius carries a cut
}

TEST_F(ConstraintEditor, OptionsOfTheShownConstraintAndTheClickFlag) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    HWND w = window();
    ASSERT_TRUE(ssUserClickCell(grid(), 1, 7));  // the tangent: two options, the second chosen
    EXPECT_TRUE(vnConstrClickFlag());
    EXPECT_TRUE(IsWindowEnabled(winFindControl(w, L::kOption1 + 1)));
    EXPECT_FALSE(IsWindowEnabled(winFindControl(w, L::kOption1 + 2)));
    ASSERT_TRUE(userClick(w, L::kOption1));
    EXPECT_EQ(IsDlgButtonChecked(editor().constraintsPage().GetSafeHwnd(), L::kOption1 + 1),
              BST_UNCHECKED);
    EXPECT_EQ(editor().constraintsPage().options().checked(), 1);
    winAdvanceClock(1500);
    ASSERT_TRUE(ssUserRightClickCell(grid(), 4, 7));  // restarts the timer
    winAdvanceClock(1999);
    EXPECT_TRUE(vnConstrClickFlag());
    winAdvanceClock(1);
    EXPECT_FALSE(vnConstrClickFlag());
}

TEST_F(ConstraintEditor, LeavingPagesRemovesTheirHighlightingAndStoresTheVariables) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    HWND w = window();
    ASSERT_TRUE(userSelectTab(w, E::kTab, E::kGeometryPage));
    EXPECT_EQ(drawing.log.back(), "unhighlight constraints");
    ASSERT_TRUE(userSelectTab(w, E::kTab, E::kVariablesPage));
    EXPECT_EQ(drawing.log[drawing.log.size() - 2], "unhighlight object");
    HWND vars = editor().variablesPage().spread().gridWindow();
    SSSetActiveCell(vars, 1, 2);
    ASSERT_TRUE(userClick(w, VnVarsPage::kInsert));
    int col = 0, row = 0;
    SSGetActiveCell(vars, &col, &row);
    EXPECT_EQ(row, 3);
    ASSERT_TRUE(ssUserTypeInCell(vars, 1, 3, "D"));
    ASSERT_TRUE(ssUserTypeInCell(vars, 2, 3, "7.5"));
    ASSERT_TRUE(ssUserTypeInCell(vars, 2, 1, "310"));
    ASSERT_TRUE(userSelectTab(w, E::kTab, E::kConstraintsPage));
    ASSERT_EQ(plate().varsEqs.size(), 5u);
    EXPECT_EQ(plate().varsEqs[2], (Ktx_VarEq{"D", 7.5, kVarEqVariable}));
    EXPECT_EQ(plate().constraints[3].values[0], 310);  // W drives the width
}

TEST_F(ConstraintEditor, RenamingAsksForTheNameAndKeepsThePosition) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    winScriptNextDialog(
        VnInputLineDlg::kResourceId,
        Script()
            .then([](HWND d) { EXPECT_EQ(winWindowData(d)->text, "Rename module"); })
            .type(VnInputLineDlg::kText, "Base")
            .click(IDOK));
    ASSERT_TRUE(userClick(window(), E::kRename));
    EXPECT_EQ(selectedModule(), "Base");
    EXPECT_EQ(editor().data().currentModule, "Base");
    EXPECT_EQ(editor().constraintsPage().spread().getMaxRows(), 7);
}

TEST_F(ConstraintEditor, SettingsGoBackOnlyWhenTheDialogEndsWithOk) {
    std::vector<Ktx_StandardLink>& standards = drawing.macros[0].macro.standards;
    standards = {{"EndPlate", "EndPlateIPE300"}, {"BasePlate", "Module.Plate"}};
    ASSERT_TRUE(StartDlgEditConstraints(data));
    winScriptNextDialog(VnDlgMacroSettings::kResourceId,
                        Script().click(VnSSMappingPage::kRemove).click(IDCANCEL));
    ASSERT_TRUE(userClick(window(), E::kSettings));
    EXPECT_EQ(standards.size(), 2u);
    winScriptNextDialog(VnDlgMacroSettings::kResourceId,
                        Script().click(VnSSMappingPage::kRemove).click(IDOK));
    ASSERT_TRUE(userClick(window(), E::kSettings));
    EXPECT_EQ(standards, (std::vector<Ktx_StandardLink>{{"BasePlate", "Module.Plate"}}));
}

TEST_F(ConstraintEditor, TheModalEditorReportsOkWithoutCopyingBack) {
    winScriptNextDialog(E::kResourceId,
                        Script()
                            .then([](HWND d) { EXPECT_EQ(winWindowData(d)->text, "Edit macro"); })
                            .choose(E::kModules, "Anchors")
                            .click(IDOK));
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    EXPECT_EQ(data.currentModule, "Plate");
    winScriptNextDialog(E::kResourceId, Script().close());
    EXPECT_FALSE(StartDlgEditConstrModal(data));
}

}  // namespace
