#include "vn_macro_image_page.h"

#include <algorithm>
#include <set>

#include "display_setting.h"
#include "grid_user.h"
#include "macro_dlg_test_support.h"
#include "module_bitmaps.h"
#include "scripted_user.h"
#include "vn_macro_binding.h"
#include "vn_macro_dlg.h"

namespace {

using Page = VnMacroImagePage;
constexpr int kPlateHeightEdit = 33002;
constexpr int kEdgeDistEdit = 33004;
constexpr int kThicknessCombo = 33006;

class MacroImagePage : public MacroDlgTest {
  protected:
    // Opens the modal dialog and runs `check` on the page of tab `tab` once it is shown.
    void runOnPage(int tab, const std::function<void(Page&)>& check,
                   const std::function<void(Script&)>& more = nullptr) {
        Script s;
        if (tab != 0) s.selectTab(VnMacroDlg::kTabs, tab);
        s.then([&](HWND dlg) {
            auto* d = dynamic_cast<VnMacroDlg*>(CWnd::FromHandlePermanent(dlg));
            ASSERT_NE(d, nullptr);
            auto* page = dynamic_cast<Page*>(d->page(tab));
            ASSERT_NE(page, nullptr);
            check(*page);
        });
        if (more) more(s);
        s.click(VnMacroDlg::kClose);
        winScriptNextDialog(VnMacroDlg::kResourceId, s);
        StartDlgMacro(data_);
    }
    static int focusedId() { return GetDlgCtrlID(GetFocus()); }
};

TEST_F(MacroImagePage, TemplateControlsShowTheTabAndTheOtherVariablesFillTheGrid) {
    runOnPage(0, [](Page& page) {
        Ktx_String text;
        ASSERT_TRUE(page.designer().getCtrlValue(kPlateHeightEdit, text));
        EXPECT_EQ(text, "380");
        ASSERT_TRUE(page.designer().getCtrlValue(kThicknessCombo, text));
        EXPECT_EQ(text, "15");
        // Clearance and Gap are on no template control: rows 1 and 2, value in column 3.
        ASSERT_TRUE(page.gridVisible());
        EXPECT_EQ(page.grid().getMaxRows(), 2);
        page.grid().getCellText(2, 2, text, CellTextKind::Data);
        EXPECT_EQ(text, "Gap");
        page.grid().getCellText(Page::kGridValueColumn, 2, text, CellTextKind::Data);
        EXPECT_EQ(text, "10");
        // The flex buttons show the tab's state: PlateWidth flexible, PlateHeight fixed.
        int index = -1;
        int state = -1;
        ASSERT_TRUE(page.designer().findFlexButton("PlateSize", "PlateWidth", index));
        page.designer().getFlexBtnStatus(index, state);
        EXPECT_EQ(state, 1);
        ASSERT_TRUE(page.designer().findFlexButton("PlateSize", "PlateHeight", index));
        page.designer().getFlexBtnStatus(index, state);
        EXPECT_EQ(state, 0);
        // A tab of kind 0 has no bolt controls.
        EXPECT_FALSE(page.GetDlgItem(Page::kAssembly)->IsWindowVisible());
    });
    EXPECT_EQ(plateCell("PlateHeight")->id, kPlateHeightEdit);
    EXPECT_EQ(plateCell("Gap")->id, -2);
}

TEST_F(MacroImagePage, AYesNoGridVariableIsACheckBoxCellWithTheModulePictures) {
    plateCell("Gap")->type = 5;
    loadModuleBitmaps();  // as the module's initialisation does
    runOnPage(0, [](Page& page) {
        SSCellType type;
        ASSERT_TRUE(SSGetCellType(page.grid().gridWindow(), Page::kGridValueColumn, 2, &type));
        EXPECT_EQ(type.type, SS_CELLTYPE_CHECKBOX);
        EXPECT_NE(type.picture, 0u);
        EXPECT_NE(type.picture2, 0u);
    });
}

TEST_F(MacroImagePage, AControlForAnUnknownVariableIsRemovedAndOutOfTheTabOrder) {
    auto& cells = data_.tabs[0].edit.cells;
    cells.erase(std::remove_if(cells.begin(), cells.end(),
                               [](const MacroCell& c) { return c.name == "EdgeDist"; }),
                cells.end());
    std::vector<int> visited;
    runOnPage(0, [&](Page& page) {
        EXPECT_EQ(page.designer().getNrControls(), 12);
        EXPECT_FALSE(page.designer().isADynControl(kEdgeDistEdit));
        EXPECT_EQ(winFindControl(page.GetSafeHwnd(), kEdgeDistEdit), nullptr);
        ASSERT_TRUE(page.designer().setFocusToCtrl(true));
        for (int i = 0; i < 10 && page.designer().isADynControl(focusedId()); ++i) {
            visited.push_back(focusedId());
            userKey(GetParent(GetParent(page.GetSafeHwnd())), VK_TAB);
        }
    });
    // Every editable control once (height, thickness, width, both flex buttons, the check
    // box), never the removed one.
    EXPECT_EQ(visited.size(), 6u);
    EXPECT_EQ(std::set<int>(visited.begin(), visited.end()).size(), visited.size());
    EXPECT_EQ(std::count(visited.begin(), visited.end(), kEdgeDistEdit), 0);
}

TEST_F(MacroImagePage, TabLeavesTheTemplateForTheGridAndShiftTabForTheLastPageControl) {
    MacroTabEdit& bolts = data_.tabs[1].edit;
    bolts.cells.push_back({"Gauge", "100", false, 0, 0});
    bolts.cells.push_back({"BoltGrade", "8.8", false, 0, 0});
    int afterLast = 0;
    int beforeFirst = 0;
    runOnPage(1, [&](Page& page) {
        HWND dialog = GetParent(GetParent(page.GetSafeHwnd()));
        ASSERT_TRUE(page.designer().setFocusToCtrl(false));
        userKey(dialog, VK_TAB);
        afterLast = focusedId();
        ASSERT_TRUE(page.designer().setFocusToCtrl(true));
        userKey(dialog, VK_TAB, MK_SHIFT);
        beforeFirst = focusedId();
    });
    EXPECT_EQ(afterLast, Page::kGridPlace);
    EXPECT_EQ(beforeFirst, Page::kAdvanced);
}

TEST_F(MacroImagePage, ACaptionTooLongForItsButtonShowsDots) {
    EXPECT_EQ(fitCaptionToWidth("Advanced...", 43), "...");
    EXPECT_EQ(fitCaptionToWidth("Advanced...", 44), "Advanced...");
    setDisplaySetting(4);
    EXPECT_EQ(fitCaptionToWidth("Advanced...", 44), "...");
    EXPECT_EQ(fitCaptionToWidth("Advanced...", 88), "Advanced...");
    setDisplaySetting(0);
    // Through the binding of the bolt tab's advanced button (type 12).
    MacroTabData& bolts = data_.tabs[1];
    Ktx_DesignerControl narrow;
    narrow.type = kCtrlBoltAdvanced;
    narrow.contents = "Rows";
    narrow.resourceId = 33050;
    ASSERT_TRUE(bindMacroControl(narrow, bolts, 20));
    EXPECT_EQ(narrow.contents, "...");
    EXPECT_EQ(bolts.edit.advancedId, 33050);
}

TEST_F(MacroImagePage, LeavingAChangedThicknessChangesTheMacroAndRunsTheClashCheck) {
    clearMacroCoreCallLog();
    runOnPage(
        0, [](Page&) {}, [](Script& s) { s.type(kThicknessCombo, "20").leave(kThicknessCombo); });
    EXPECT_DOUBLE_EQ(plateVariable("PlateThickness"), 20.0);
    EXPECT_EQ(plateCell("PlateThickness")->value, "20");
    const auto& log = macroCoreCallLog();
    // Once at opening, once after the change was applied.
    EXPECT_EQ(std::count(log.begin(), log.end(), "clashcheck"), 2);
}

TEST_F(MacroImagePage, AGridValueIsAppliedWhenItsCellChanges) {
    runOnPage(
        0, [](Page&) {},
        [](Script& s) {
            s.then([](HWND d) {
                EXPECT_TRUE(ssUserTypeInCell(winFindControl(d, Page::kGridPlace),
                                             Page::kGridValueColumn, 1, "4"));
            });
        });
    EXPECT_DOUBLE_EQ(plateVariable("Clearance"), 4.0);
}

TEST_F(MacroImagePage, EscapeOnThePageClosesTheDialog) {
    winScriptNextDialog(VnMacroDlg::kResourceId,
                        Script()
                            .then([](HWND d) { SetFocus(winFindControl(d, kPlateHeightEdit)); })
                            .key(VK_ESCAPE));
    StartDlgMacro(data_);
    EXPECT_TRUE(data_.edit.closing);
}

TEST_F(MacroImagePage, TheBoltTabFillsTheDiametersOfItsAssembly) {
    runOnPage(
        1,
        [](Page& page) {
            CWnd* diameter = page.GetDlgItem(Page::kDiameter);
            ASSERT_TRUE(page.GetDlgItem(Page::kAssembly)->IsWindowVisible());
            EXPECT_EQ(diameter->SendMessage(CB_GETCOUNT), 6);
            std::string text;
            page.GetDlgItemText(Page::kDiameter, text);
            EXPECT_EQ(text, "M20");
        },
        [](Script& s) { s.choose(Page::kAssembly, "10.9").choose(Page::kDiameter, "M22"); });
    EXPECT_EQ(data_.tabs[1].edit.boltAssembly, "10.9");
    EXPECT_EQ(data_.tabs[1].edit.boltDiameter, "M22");
}

}  // namespace
