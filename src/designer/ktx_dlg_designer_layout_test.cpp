#include <gtest/gtest.h>

#include <cmath>

#include "designer_test_support.h"

namespace {

using TemplateLayout = DesignerLibraryTest;

// Appends the controls and returns their ids.
std::vector<int> appendAll(Ktx_DlgDesignerData& data, std::vector<Ktx_DesignerControl> list) {
    std::vector<int> ids;
    for (Ktx_DesignerControl& c : list) ids.push_back(data.append(c));
    return ids;
}

CRect windowRect(Ktx_DlgDesignerData& data, int index) {
    CControlRect* drawn = data.drawnAt(index);
    drawn->syncFromWindow();
    return drawn->m_rect;
}

// Selects the controls the way the user does: a Ctrl+press on each.
void selectByMouse(Ktx_DlgDesignerData& data, const std::vector<int>& indices) {
    data.tracker()->clearSelection();
    for (int i : indices) {
        const CRect r = windowRect(data, i);
        data.OnLButtonDown(MK_CONTROL, r.CenterPoint());
    }
}

TEST_F(TemplateLayout, AppendTakesTheLowestFreeIdAndZeroWhenTheRangeIsUsed) {
    Ktx_DlgDesignerData data;
    data.firstResourceId = 33000;
    data.lastResourceId = 33002;
    std::vector<int> ids =
        appendAll(data, {control(2, 0, 0, 1, 1), control(2, 0, 0, 1, 1), control(2, 0, 0, 1, 1)});
    EXPECT_EQ(ids, (std::vector<int>{33000, 33001, 33002}));
    ASSERT_TRUE(data.removeControl(1));
    Ktx_DesignerControl next = control(0, 0, 0, 1, 1);
    EXPECT_EQ(data.append(next), 33001);
    EXPECT_EQ(next.resourceId, 33001);
    Ktx_DesignerControl full = control(0, 0, 0, 1, 1);
    EXPECT_EQ(data.append(full), 0);
    EXPECT_FALSE(data.removeControl(4));
    int index = -1;
    EXPECT_FALSE(data.findCtrlFromResource(0, index));
}

TEST_F(TemplateLayout, SetHeightKeepsTheBottomAndSetWidthTheLeft) {
    Ktx_DlgDesignerData data;
    data.imageWidth = 200;
    data.imageHeight = 100;
    Ktx_DesignerControl c = control(2, 10, 20, 30, 40);  // fractions of 100: 20..60 px wide
    data.setHeight(c, 5);
    EXPECT_DOUBLE_EQ(data.getBottomRightY(c), 40);
    EXPECT_DOUBLE_EQ(data.getTopLeftY(c), 35);
    data.setWidth(c, 7);
    EXPECT_DOUBLE_EQ(data.getTopLeftX(c), 20);
    EXPECT_DOUBLE_EQ(data.getBottomRightX(c), 27);
}

TEST_F(TemplateLayout, RunTimeCombosIncludeTheirListAndBoltCountsGrowWithTheScale) {
    for (double scale : {1.0, 1.2}) {
        setDesignerDialogScale(scale);
        Ktx_DlgDesignerData data;
        initialize(data, false);
        appendAll(data, {control(3, 0, 0, 40, 20), control(4, 0, 30, 40, 60)});
        ASSERT_TRUE(data.redrawAllControls());
        EXPECT_EQ(windowRect(data, 0).Height(), 200);
        EXPECT_EQ(windowRect(data, 1).Height(), scale == 1.0 ? 30 : 33) << scale;
    }
    Ktx_DlgDesignerData design;
    initialize(design, true);
    appendAll(design, {control(3, 0, 0, 40, 20)});
    design.redrawAllControls();
    EXPECT_EQ(windowRect(design, 0).Height(), 20);
    EXPECT_FALSE(design.drawnAt(0)->window()->IsWindowEnabled());
}

TEST_F(TemplateLayout, CombosAreFilledFromTheirListFileAndSelectTheirContents) {
    Ktx_DlgDesignerData data;
    initialize(data, false);
    Ktx_DesignerControl thick = control(3, 0, 0, 40, 20, "12");
    thick.comboList = "Dialog Templates\\Lists\\plate_thicknesses.txt";
    Ktx_DesignerControl cut = control(28, 50, 0, 90, 20, "2");
    appendAll(data, {thick, cut});
    data.redrawAllControls();
    CComboBox* combo = data.getControl(0)->getComboPtr(host_.get());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetCount(), 7);
    EXPECT_EQ(combo->GetCurSel(), 2);
    Ktx_String value;
    ASSERT_TRUE(data.getCtrlValue(data.getControl(1)->resourceId, value));
    EXPECT_EQ(value, "2");
    EXPECT_EQ(data.getControl(1)->getComboPtr(host_.get())->GetCount(), 5);
}

TEST_F(TemplateLayout, TabOrderGroupsRowsByTheLeadersBottomEdge) {
    Ktx_DlgDesignerData data;
    initialize(data, false);
    appendAll(data, {
                        control(2, 50, 12, 90, 30),  // second in the first row
                        control(2, 10, 10, 40, 20),  // the leader
                        control(0, 0, 0, 5, 5),      // a label: never in the order
                        control(2, 70, 20, 90, 25),  // top exactly on the leader's bottom
                        control(2, 5, 21, 30, 40),   // the next row
                    });
    data.sortAllControls();
    EXPECT_EQ(data.getControl(1)->tabOrder, 1);
    EXPECT_EQ(data.getControl(0)->tabOrder, 2);
    EXPECT_EQ(data.getControl(3)->tabOrder, 3);
    EXPECT_EQ(data.getControl(4)->tabOrder, 4);
    EXPECT_EQ(data.getControl(2)->tabOrder, 0);
}

// Regression: a control whose top lay at 100 or more times the picture height (or with an
// inverted rectangle) was never taken as a row leader, and sorting never ended.
TEST_F(TemplateLayout, TabOrderEndsForControlsFarBelowThePicture) {
    Ktx_DlgDesignerData data;
    appendAll(data, {control(2, 0, 20000, 10, 20010), control(2, 0, 50, 10, 40)});
    data.sortAllControls();
    EXPECT_EQ(data.getControl(1)->tabOrder, 1);
    EXPECT_EQ(data.getControl(0)->tabOrder, 2);
}

// Regression: a fraction of 1e300 or "nan" from a file was cast to an int (undefined), and a
// template without picture took infinite fractions from its windows.
TEST_F(TemplateLayout, DamagedFractionsAndAMissingPictureGiveNoWildNumbers) {
    Ktx_DlgDesignerData data;
    data.imageWidth = 100;
    data.imageHeight = 100;
    Ktx_DesignerControl c = control(2, 0, 0, 10, 10);
    c.topLeftX = 1e300;
    c.bottomRightY = std::nan("");
    const CRect r = data.pixelRect(c);
    EXPECT_EQ(r.left, 1000000);
    EXPECT_EQ(r.bottom, 0);
    data.imageWidth = 0;
    data.setWidth(c, 30);
    EXPECT_EQ(c.bottomRightX, 0.0);
}

TEST_F(TemplateLayout, TabMovesThroughTheOrderAndReportsBothEnds) {
    Ktx_DlgDesignerData data;
    initialize(data, false);
    std::vector<int> ids = appendAll(data, {control(2, 50, 0, 90, 10), control(2, 0, 0, 40, 10)});
    data.redrawAllControls();
    ASSERT_TRUE(data.setFocusToCtrl(true));
    int focused = 0;
    ASSERT_TRUE(data.getFocusedDynControl(focused));
    EXPECT_EQ(focused, ids[1]);

    Ktx_TabMsgHandle handling = kTabMoved;
    winSetKeyDown(VK_SHIFT, true);
    EXPECT_TRUE(data.handleTabKey(VK_TAB, handling));
    EXPECT_EQ(handling, kTabBeforeFirst);
    winSetKeyDown(VK_SHIFT, false);
    data.getFocusedDynControl(focused);
    EXPECT_EQ(focused, ids[1]);

    EXPECT_TRUE(data.handleTabKey(VK_TAB, handling));
    EXPECT_EQ(handling, kTabMoved);
    data.getFocusedDynControl(focused);
    EXPECT_EQ(focused, ids[0]);
    EXPECT_TRUE(data.handleTabKey(VK_TAB, handling));
    EXPECT_EQ(handling, kTabAfterLast);
    EXPECT_FALSE(data.handleTabKey(VK_RETURN, handling));
    EXPECT_EQ(handling, kTabNotHandled);
}

TEST_F(TemplateLayout, CheckValuesAndReadOnlyByResourceId) {
    Ktx_DlgDesignerData data;
    initialize(data, false);
    Ktx_DesignerControl check = control(29, 0, 0, 40, 10, "Stiffened");
    check.comboList = "1";
    std::vector<int> ids =
        appendAll(data, {check, control(2, 0, 20, 40, 30, "W"), control(8, 0, 40, 40, 50)});
    data.redrawAllControls();
    Ktx_String value;
    ASSERT_TRUE(data.getCtrlValue(ids[0], value));
    EXPECT_EQ(value, "1");
    ASSERT_TRUE(data.setCtrlValue(ids[0], dialString(695)));
    data.getCtrlValue(ids[0], value);
    EXPECT_EQ(value, dialString(695));
    EXPECT_EQ(data.drawnAt(0)->window()->GetStyle() & BS_TYPEMASK,
              static_cast<DWORD>(BS_AUTO3STATE));
    data.setCtrlValue(ids[0], "0");
    data.getCtrlValue(ids[0], value);
    EXPECT_EQ(value, "0");

    EXPECT_TRUE(data.setCtrlReadOnly(ids[1], true));
    EXPECT_FALSE(data.drawnAt(1)->window()->IsWindowEnabled());
    EXPECT_FALSE(data.setCtrlReadOnly(ids[2], true));
    EXPECT_FALSE(data.getCtrlValue(99, value));
}

TEST_F(TemplateLayout, AligningBottomsKeepsHeightsAndPlacingBesideNeedsTwo) {
    Ktx_DlgDesignerData data;
    initialize(data, true);
    appendAll(data,
              {control(2, 40, 10, 60, 20), control(2, 10, 30, 30, 50), control(2, 70, 50, 90, 55)});
    data.redrawAllControls();
    selectByMouse(data, {0, 1, 2});
    EXPECT_FALSE(data.stickRightCurCtrls());
    ASSERT_TRUE(data.outlineCurCtrls());
    EXPECT_EQ(windowRect(data, 0), CRect(40, 40, 60, 50));
    EXPECT_EQ(windowRect(data, 2), CRect(70, 45, 90, 50));
    EXPECT_EQ(data.getSelectedIds().size(), 3u);

    selectByMouse(data, {0});
    EXPECT_FALSE(data.stickRightCurCtrls());
    selectByMouse(data, {0, 1});
    ASSERT_TRUE(data.stickRightCurCtrls());
    EXPECT_EQ(windowRect(data, 0), CRect(30, 30, 50, 50));
}

TEST_F(TemplateLayout, CopiesLie20PixelsFurtherAndAreSelected) {
    Ktx_DlgDesignerData data;
    initialize(data, true);
    appendAll(data, {control(2, 10, 10, 40, 20, "A")});
    data.redrawAllControls();
    selectByMouse(data, {0});
    ASSERT_TRUE(data.copyCurCtrls());
    ASSERT_EQ(data.getNrControls(), 2);
    EXPECT_EQ(data.drawnCount(), 2);
    EXPECT_EQ(windowRect(data, 1), CRect(30, 30, 60, 40));
    EXPECT_EQ(data.getCurSel(), 1);
    ASSERT_TRUE(data.removeCurControls());
    EXPECT_EQ(data.getNrControls(), 1);
    EXPECT_EQ(data.drawnCount(), 1);
}

TEST_F(TemplateLayout, FixedSizeAsksInTheInputDialogAndCancelChangesNothing) {
    Ktx_DlgDesignerData data;
    initialize(data, true);
    appendAll(data, {control(2, 10, 10, 40, 20)});
    data.redrawAllControls();
    selectByMouse(data, {0});
    winScriptNextDialog(8069, Script().click(IDCANCEL));
    EXPECT_FALSE(data.changeCtrlSize(false));
    winScriptNextDialog(8069, Script().type(1001, "25").click(IDOK));
    ASSERT_TRUE(data.changeCtrlSize(true));
    EXPECT_EQ(windowRect(data, 0), CRect(10, 10, 35, 20));
    EXPECT_EQ(data.getCurSel(), 0);
}

TEST_F(TemplateLayout, FlexButtonsByGroup) {
    Ktx_DlgDesignerData data;
    initialize(data, false);
    Ktx_DesignerControl a = control(30, 0, 0, 10, 10, "W");
    a.setSplitExtComboList("Size;;1;");
    Ktx_DesignerControl b = control(30, 20, 0, 30, 10, "H");
    b.setSplitExtComboList("Size;;;");
    Ktx_DesignerControl c = control(30, 40, 0, 50, 10, "T");
    c.setSplitExtComboList("Other");
    appendAll(data, {a, b, c});
    data.redrawAllControls();
    Ktx_Array<int> all, third;
    data.getFlexBtnsInGroup("Size", all, third);
    EXPECT_EQ(all.asVector(), (std::vector<int>{0, 1}));
    EXPECT_EQ(third.asVector(), (std::vector<int>{0}));
    Ktx_StringArray groups;
    data.getFlexBtnsGroups(groups);
    EXPECT_EQ(groups, (Ktx_StringArray{"Size", "Other"}));
    ASSERT_TRUE(data.setFlexBtnStatus("Size", "H", 1));
    int state = -1;
    ASSERT_TRUE(data.getFlexBtnStatus(1, state));
    EXPECT_EQ(state, 1);
    data.setFlexBtnStatus("Size", "H", 2);
    data.getFlexBtnStatus(1, state);
    EXPECT_EQ(state, 0);
    data.hideAllFlexBtns("Size");
    EXPECT_EQ(data.drawnAt(0)->window()->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_NE(data.drawnAt(2)->window()->GetStyle() & WS_VISIBLE, 0u);
}

}  // namespace
