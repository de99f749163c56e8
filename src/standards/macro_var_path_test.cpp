#include "macro_var_path.h"

#include <gtest/gtest.h>

#include "vn_object_map_test_macros.h"

namespace {

class ModulePath : public ::testing::Test {
  protected:
    Acad::ErrorStatus get(const char* moduleName, const char* path, VnValueType type,
                          Ktx_String& value) {
        return getSetModuleVarPath(path, type, &m.macro, m.module(moduleName), &m.data, value, true,
                                   nullptr);
    }
    Acad::ErrorStatus set(const char* moduleName, const char* path, VnValueType type,
                          Ktx_String value) {
        return getSetModuleVarPath(path, type, &m.macro, m.module(moduleName), &m.data, value,
                                   false, nullptr);
    }
    ExampleMacro m{"end_plate.macro"};
};

TEST_F(ModulePath, GenPrefixReadsAndWritesTheGeneralVariable) {
    Ktx_String value;
    ASSERT_EQ(get("Plate1", "gen.Gap", VnValueDouble, value), Acad::eOk);
    EXPECT_EQ(value, "10.0000");
    ASSERT_EQ(set("Plate1", "gen.Gap", VnValueInt, "12.5"), Acad::eOk);
    double gap = 0;
    ASSERT_TRUE(m.macro.generalVariableValue("gen_Gap", gap));
    EXPECT_DOUBLE_EQ(gap, 12.5);
    // Not general-variable paths: the underscore form is a constraint variable name, and a
    // String variable never reads a general variable.
    EXPECT_NE(get("Plate1", "gen_Gap", VnValueDouble, value), Acad::eOk);
    EXPECT_NE(get("Plate1", "gen.Gap", VnValueString, value), Acad::eOk);
    EXPECT_NE(get("Plate1", "gen.Missing", VnValueDouble, value), Acad::eOk);
}

TEST_F(ModulePath, PlacementNameAndMaterialAreReadOnly) {
    Ktx_String value;
    ASSERT_EQ(get("Plate1", "Plate.Name", VnValueString, value), Acad::eOk);
    EXPECT_EQ(value, "PL15*200");
    ASSERT_EQ(get("Plate1", "Plate.Material", VnValueString, value), Acad::eOk);
    EXPECT_EQ(value, "S235");
    value = "kept";
    EXPECT_NE(get("Plate1", "Missing.Name", VnValueString, value), Acad::eOk);
    EXPECT_EQ(value, "kept");
    EXPECT_NE(set("Plate1", "Plate.Name", VnValueString, "PL20*300"), Acad::eOk);
    EXPECT_EQ(m.module("Plate1")->placements[0].sectionName, "PL15*200");
}

TEST_F(ModulePath, CutOffsetsTravelWithSevenDecimals) {
    Ktx_String value;
    ASSERT_EQ(get("Plate1", "Corner.Chamfer2", VnValueDouble, value), Acad::eOk);
    EXPECT_EQ(value, "10.0000000");
    ASSERT_EQ(set("Plate1", "Corner.Chamfer1", VnValueDouble, "12.25"), Acad::eOk);
    EXPECT_DOUBLE_EQ(m.module("Plate1")->cuts[0].offsets[kCutChamferOffset1], 12.25);
    EXPECT_NE(get("Plate1", "Corner.CutRadius", VnValueDouble, value), Acad::eOk);
    EXPECT_NE(get("Plate1", "Nothing.Cut", VnValueDouble, value), Acad::eOk);
}

TEST_F(ModulePath, BoltTextsAndCountsComeFromTheTab) {
    Ktx_String value;
    ASSERT_EQ(get("Bolts1", "x.Diameter", VnValueDouble, value), Acad::eOk);
    EXPECT_EQ(value, "M20");
    ASSERT_EQ(set("Bolts1", "x.HoleOffset", VnValueDouble, "3"), Acad::eOk);
    EXPECT_EQ(m.tab("Bolts")->bolts->holeOffset, "3");
    ASSERT_EQ(get("Bolts1", "Rows.NrBolts2", VnValueString, value), Acad::eOk);
    EXPECT_EQ(value, "3");
    ASSERT_EQ(set("Bolts1", "Rows.NrBolts1", VnValueInt, "4"), Acad::eOk);
    EXPECT_EQ(m.tab("Bolts")->bolts->patterns[0].nrBolts1, "4");
    EXPECT_NE(get("Plate1", "x.Diameter", VnValueDouble, value), Acad::eOk);
}

TEST_F(ModulePath, ReverseStartsRoundTripAndNeedABoltModule) {
    Ktx_String first, second;
    ASSERT_EQ(get("Bolts1", "Rows.ReverseStart1", VnValueInt, first), Acad::eOk);
    ASSERT_EQ(get("Bolts1", "Rows.ReverseStart2", VnValueInt, second), Acad::eOk);
    EXPECT_EQ(first, "0");
    EXPECT_EQ(second, "1");
    ASSERT_EQ(set("Bolts1", "Rows.ReverseStart1", VnValueInt, first), Acad::eOk);
    ASSERT_EQ(set("Bolts1", "Rows.ReverseStart2", VnValueInt, second), Acad::eOk);
    EXPECT_FALSE(m.module("Bolts1")->patterns[0].reverseStart1);
    EXPECT_TRUE(m.module("Bolts1")->patterns[0].reverseStart2);
    ASSERT_EQ(set("Bolts1", "Rows.ReverseStart1", VnValueInt, "1"), Acad::eOk);
    EXPECT_TRUE(m.module("Bolts1")->patterns[0].reverseStart1);

    Ktx_String value = "kept";
    EXPECT_NE(get("Plate1", "Rows.ReverseStart1", VnValueInt, value), Acad::eOk);
    EXPECT_EQ(value, "kept");
}

TEST_F(ModulePath, WritingAFlexibleVariableFixesItFirst) {
    ASSERT_EQ(set("Plate1", "W", VnValueDouble, "220"), Acad::eOk);
    EXPECT_DOUBLE_EQ(m.module("Plate1")->variables[0].value, 220.0);
    bool fixed = false, flexible = true;
    ASSERT_TRUE(m.tab("End plate")->getFlexFixBtnStatus("W", fixed, flexible));
    EXPECT_TRUE(fixed);
    EXPECT_FALSE(flexible);
    Ktx_String value;
    ASSERT_EQ(get("Plate1", "W", VnValueInt, value), Acad::eOk);
    EXPECT_EQ(value, "220");
}

TEST_F(ModulePath, MemberNamesOfProfileGroups) {
    Ktx_String value;
    ASSERT_EQ(get("Stiff1", "Stiffener.MemberName", VnValueString, value), Acad::eOk);
    EXPECT_EQ(value, "Stiffener plate");
    ASSERT_EQ(set("Stiff1", "Stiffener.MemberName", VnValueString, "Rib"), Acad::eOk);
    EXPECT_EQ(m.tab("Stiffeners")->groups[0].memberName, "Rib");
    EXPECT_NE(get("Stiff1", "Other.MemberName", VnValueString, value), Acad::eOk);
    EXPECT_NE(get("Stiff1", "Stiffener.Unknown", VnValueString, value), Acad::eOk);
}

TEST_F(ModulePath, MissingModuleDataOrTabFails) {
    Ktx_String value;
    EXPECT_NE(getSetModuleVarPath("W", VnValueDouble, &m.macro, m.module("Plate1"), nullptr, value,
                                  true, nullptr),
              Acad::eOk);
    m.data.tabs.clear();
    EXPECT_NE(get("Plate1", "W", VnValueDouble, value), Acad::eOk);
}

}  // namespace
