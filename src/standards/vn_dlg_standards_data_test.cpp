#include "vn_dlg_standards_data.h"

#include <gtest/gtest.h>

namespace {

TEST(DlgStandardsData, InitializeTakesTheModuleGroupFromTheKey) {
    Ktx_DbMacro macro;
    MacroData data;
    VnDlgStandardsData d;
    d.evalMode = 1;
    ASSERT_EQ(d.initialize(&macro, "EndPlate", "Module.Ends.Left", &data), Acad::eOk);
    EXPECT_EQ(d.evalMode, 0);
    EXPECT_EQ(d.moduleName, "Ends.Left");
    EXPECT_EQ(d.mappingKey, "Module.Ends.Left");
    ASSERT_EQ(d.initialize(&macro, "EndPlate", "Modules", &data), Acad::eOk);
    EXPECT_EQ(d.moduleName, "");
}

TEST(DlgStandardsData, InitializeWithoutMacroOrDataChangesNothing) {
    Ktx_DbMacro macro;
    MacroData data;
    VnDlgStandardsData d;
    d.fileName = "kept";
    EXPECT_EQ(d.initialize(nullptr, "x", "k", &data), Acad::eInvalidInput);
    EXPECT_EQ(d.initialize(&macro, "x", "k", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(d.fileName, "kept");
    EXPECT_EQ(d.macro, nullptr);
}

TEST(DlgStandardsData, CopiesShareTheMacroButNotTheVariables) {
    Ktx_DbMacro macro;
    MacroData data;
    VnDlgStandardsData d;
    d.initialize(&macro, "EndPlate", "Bracket", &data);
    VnVarCell cell;
    cell.name = "W";
    d.varCells.append(cell);
    d.genVarNames.append("gen_Gap");
    VnDlgStandardsData copy = d;
    copy.varCells[0].value = "12";
    EXPECT_EQ(copy.macro, &macro);
    EXPECT_EQ(copy.macroData, &data);
    EXPECT_EQ(copy.genVarNames.length(), 1);
    EXPECT_EQ(d.varCells[0].value, "");
}

}  // namespace
