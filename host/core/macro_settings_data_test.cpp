#include "macro_settings_data.h"

#include <gtest/gtest.h>

namespace {

Ktx_Macro linkedMacro() {
    Ktx_Macro macro;
    macro.name = "EndPlate";
    macro.groups = {{"Plates", {"Plate1"}}, {"Bolts", {"Bolts1"}}};
    macro.standards = {{"End plate", "K1"}, {"Bolt rows", "Module.Bolts"}};
    return macro;
}

TEST(MacroSettings, TheSettingsCarryTheMacrosStandardsKeysAndGroupNamesInOrder) {
    Ktx_Macro macro = linkedMacro();
    MacroSettingsData settings;
    ASSERT_EQ(GetMacroSettings(&macro, settings), Acad::eOk);
    EXPECT_EQ(settings.standards, (Ktx_StringArray{"End plate", "Bolt rows"}));
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{"K1", "Module.Bolts"}));
    EXPECT_EQ(settings.moduleGroups, (Ktx_StringArray{"Plates", "Bolts"}));
    EXPECT_EQ(settings.macro, &macro);
}

TEST(MacroSettings, StoringWritesTheListBackAndRefusesArraysOfDifferentLengths) {
    Ktx_Macro macro = linkedMacro();
    MacroSettingsData settings;
    ASSERT_EQ(GetMacroSettings(&macro, settings), Acad::eOk);
    settings.standards.removeAt(0);
    EXPECT_EQ(SetMacroSettings(&macro, settings), Acad::eInvalidInput);
    EXPECT_EQ(macro.standards.size(), 2u);

    settings.mappingKeys.removeAt(0);
    settings.mappingKeys[0] = "NEWKEY";
    ASSERT_EQ(SetMacroSettings(&macro, settings), Acad::eOk);
    ASSERT_EQ(macro.standards.size(), 1u);
    EXPECT_EQ(macro.standards[0], (Ktx_StandardLink{"Bolt rows", "NEWKEY"}));
    EXPECT_EQ(GetMacroSettings(nullptr, settings), Acad::eNullObjectPointer);
}

}  // namespace
