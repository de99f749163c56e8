#include "vn_macro_binding.h"

#include <gtest/gtest.h>

#include "macro_dlg_test_support.h"

namespace {

Ktx_DesignerControl control(Ktx_ControlType type, const char* contents, int id,
                            const char* comboList = "") {
    Ktx_DesignerControl c;
    c.type = type;
    c.contents = contents;
    c.comboList = comboList;
    c.resourceId = id;
    return c;
}

class MacroBinding : public MacroDlgTest {
  protected:
    void SetUp() override {
        MacroDlgTest::SetUp();
        MacroTabData& t = data_.tabs[0];
        MacroGroupProps g;
        g.groupName = "Stiffener";
        g.sectionName = "PL10*95";
        g.sectionNames = {"PL10*95", "PL12*95"};
        g.offsetType = "Centre";
        g.rotation = "90\xB0";
        t.groups.push_back(g);
        MacroArray counted;
        counted.name = "Holes";
        counted.kind = 1;
        counted.count.value = "4";
        counted.entries.push_back({"70", 0});
        t.edit.arrays.push_back(counted);
        MacroArray listed = counted;
        listed.name = "Spacing";
        listed.kind = 0;
        t.edit.arrays.push_back(listed);
    }
    MacroTabData& tab() { return data_.tabs[0]; }
};

TEST_F(MacroBinding, ProfileGroupControlsTakeTheGroupsItemsTextAndIds) {
    Ktx_DesignerControl name = control(kCtrlProfileName, "Stiffener", 33001);
    ASSERT_TRUE(bindMacroControl(name, tab(), 100));
    EXPECT_EQ(name.contents, "PL10*95");
    EXPECT_EQ(name.comboItems.length(), 2);
    Ktx_DesignerControl rotation = control(kCtrlProfileRotation, "Stiffener", 33002);
    ASSERT_TRUE(bindMacroControl(rotation, tab(), 100));
    ASSERT_EQ(rotation.comboItems.length(), 5);  // four angles and the mixed value
    EXPECT_EQ(rotation.comboItems[4], macroMixedValueText());
    EXPECT_EQ(tab().groups[0].profileNameId, 33001);
    EXPECT_EQ(tab().groups[0].rotationId, 33002);
    Ktx_DesignerControl unknown = control(kCtrlProfileOffset, "Beam", 33003);
    EXPECT_FALSE(bindMacroControl(unknown, tab(), 100));
}

TEST_F(MacroBinding, ACountShowsOnlyForACountedArrayAndAnEntryOnlyForTheOthers) {
    Ktx_DesignerControl count = control(kCtrlArrayCount, "Holes", 33010);
    ASSERT_TRUE(bindMacroControl(count, tab(), 100));
    EXPECT_EQ(count.contents, "4");
    Ktx_DesignerControl noCount = control(kCtrlArrayCount, "Spacing", 33011);
    EXPECT_FALSE(bindMacroControl(noCount, tab(), 100));
    Ktx_DesignerControl entry = control(kCtrlArrayEntry, "Spacing", 33012, "1");
    ASSERT_TRUE(bindMacroControl(entry, tab(), 100));
    EXPECT_EQ(entry.contents, "70");
    EXPECT_EQ(tab().edit.arrays[1].entries[0].id, 33012);
    Ktx_DesignerControl countedEntry = control(kCtrlArrayEntry, "Holes", 33013, "1");
    EXPECT_FALSE(bindMacroControl(countedEntry, tab(), 100));
}

TEST_F(MacroBinding, ALabelEmptiesWhenItsVariableIsMissingAndFlexButtonsNeedTheirVariable) {
    Ktx_DesignerControl shown = control(kCtrlLabel, "b", 33020, "PlateWidth");
    ASSERT_TRUE(bindMacroControl(shown, tab(), 100));
    EXPECT_EQ(shown.contents, "b");
    Ktx_DesignerControl emptied = control(kCtrlLabel, "r", 33021, "Radius");
    ASSERT_TRUE(bindMacroControl(emptied, tab(), 100));
    EXPECT_EQ(emptied.contents, "");
    Ktx_DesignerControl flex = control(kCtrlFlexButton, "PlateWidth", 33022);
    EXPECT_TRUE(bindMacroControl(flex, tab(), 100));
    Ktx_DesignerControl noFlex = control(kCtrlFlexButton, "Gap", 33023);
    EXPECT_FALSE(bindMacroControl(noFlex, tab(), 100));
}

}  // namespace
