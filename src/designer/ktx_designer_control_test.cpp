#include "ktx_designer_control.h"

#include <gtest/gtest.h>

namespace {

Ktx_DesignerControl ofType(int type) {
    Ktx_DesignerControl c;
    c.type = static_cast<Ktx_ControlType>(type);
    return c;
}

TEST(DesignerExtension, FlexButtonSplitsIntoFourPartsAndDropsSurplus) {
    Ktx_DesignerControl c = ofType(kCtrlFlexButton);
    c.comboList = "kept";
    c.setSplitExtComboList("Group;b;c;d;e");
    EXPECT_EQ(c.flexGroup, "Group");
    EXPECT_EQ(c.flexPart2, "b");
    EXPECT_EQ(c.flexPart3, "c");
    EXPECT_EQ(c.flexPart4, "d");
    EXPECT_EQ(c.comboList, "kept");
    EXPECT_EQ(c.getMergedExtComboList(), "Group;b;c;d");
    c.setSplitExtComboList("Other");
    EXPECT_EQ(c.getMergedExtComboList(), "Other;;;");
}

TEST(DesignerExtension, AdvancedButtonWithTwoPartsLeavesTheRestEmpty) {
    Ktx_DesignerControl c = ofType(kCtrlAdvancedCell1);
    c.setSplitExtComboList("a;b;c;d;list");
    c.setSplitExtComboList("Var;Caption");
    EXPECT_EQ(c.advancedPart1, "Var");
    EXPECT_EQ(c.advancedPart2, "Caption");
    EXPECT_EQ(c.advancedPart3, "");
    EXPECT_EQ(c.advancedPart4, "");
    EXPECT_EQ(c.comboList, "");
    EXPECT_EQ(c.getMergedExtComboList(), "Var;Caption;;;");
}

TEST(DesignerExtension, OtherTypesKeepSemicolonsInTheListName) {
    Ktx_DesignerControl c = ofType(kCtrlVariableCombo);
    c.advancedPart2 = "stale";
    c.setSplitExtComboList("c:\\lists\\a;b.txt");
    EXPECT_EQ(c.comboList, "c:\\lists\\a;b.txt");
    EXPECT_EQ(c.advancedPart2, "");
    EXPECT_EQ(c.getMergedExtComboList(), "c:\\lists\\a;b.txt");
}

TEST(DesignerControlFile, SevenKeysReadBackAndMissingKeysKeepValues) {
    Ktx_DesignerControl c = ofType(kCtrlFlexButton);
    c.topLeftX = 0.125;
    c.topLeftY = -0.5;
    c.bottomRightX = 1.75;
    c.bottomRightY = 0.3;
    c.contents = "PlateWidth";
    c.setSplitExtComboList("Size;;1;");
    Ktx_PropertiesList list;
    c.setToPropList(list, 3);
    EXPECT_EQ(list.count(), 7);
    EXPECT_TRUE(list.hasProperty("bottomRightY3"));

    Ktx_DesignerControl back;
    back.getFromPropList(list, 3);
    EXPECT_EQ(back.type, kCtrlFlexButton);
    EXPECT_EQ(back.topLeftY, -0.5);
    EXPECT_EQ(back.bottomRightX, 1.75);
    EXPECT_EQ(back.contents, "PlateWidth");
    EXPECT_EQ(back.flexPart3, "1");

    Ktx_DesignerControl other = ofType(kCtrlVariableEdit);
    other.topLeftX = 0.7;
    other.contents = "kept";
    other.getFromPropList(list, 4);
    EXPECT_EQ(other.type, kCtrlLabel);
    EXPECT_EQ(other.topLeftX, 0.7);
    EXPECT_EQ(other.contents, "kept");
}

TEST(DesignerControlFile, CopyCarriesRunTimeItems) {
    Ktx_DesignerControl c = ofType(kCtrlVariableCombo);
    c.comboItems.append("8");
    c.resourceId = 33004;
    Ktx_DesignerControl copy;
    copy = c;
    EXPECT_EQ(copy.comboItems.length(), 1);
    EXPECT_EQ(copy.resourceId, 33004);
}

TEST(DesignerControlTypes, ClassesAndStylesPerType) {
    EXPECT_STREQ(controlTypeClass(kCtrlLabel), "STATIC");
    EXPECT_STREQ(controlTypeClass(31), "STATIC");
    EXPECT_STREQ(controlTypeClass(kCtrlGroupBox), "BUTTON");
    EXPECT_EQ(controlTypeStyle(kCtrlGroupBox), static_cast<DWORD>(BS_GROUPBOX));
    EXPECT_STREQ(controlTypeClass(kCtrlBoltCount2), "EDIT");
    EXPECT_EQ(controlTypeStyle(kCtrlBoltCount2), static_cast<DWORD>(ES_MULTILINE));
    EXPECT_EQ(controlTypeExStyle(kCtrlArrayEntry), static_cast<DWORD>(WS_EX_CLIENTEDGE));
    EXPECT_EQ(controlTypeStyle(kCtrlProfileRotation) & 0xF, static_cast<DWORD>(CBS_DROPDOWN));
    EXPECT_EQ(controlTypeStyle(kCtrlCutList) & 0xF, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_EQ(controlTypeStyle(kCtrlFlexButton),
              static_cast<DWORD>(BS_AUTOCHECKBOX | BS_ICON | BS_VCENTER | BS_PUSHLIKE));
}

}  // namespace
