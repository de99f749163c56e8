#include "vn_object_map.h"

#include <gtest/gtest.h>

#include "vn_object_map_test_macros.h"

namespace {

VnObjectMap parsed(const char* text, Acad::ErrorStatus& es) {
    VnObjectMap m;
    es = m.getMappingFromStrs("Var", text);
    return m;
}

TEST(ObjectMap, MappingTextsThatParse) {
    struct Case {
        const char* text;
        const char* object;
        VnMapKind kind;
        const char* var;
    } cases[] = {
        {"Plate1\x95"
         "Distance W",
         "Plate1", VnMapDistance, "W"},
        {"Plate1\x95"
         "Distance",
         "Plate1", VnMapDistance, ""},
        {"Plate1\x95"
         "  Distance   W  ",
         "Plate1", VnMapDistance, "W"},
        {"\x95"
         "GenVar gen_Gap",
         "", VnMapGenVar, "gen_Gap"},
        {"P\x95"
         "CutChamferOffset2 C",
         "P", VnMapCutChamferOffset2, "C"},
        {"P\x95"
         "CutOffset C",
         "P", VnMapCutOffset, "C"},
        {"P\x95"
         "PatternReverseStart2 Rows",
         "P", VnMapPatternReverseStart2, "Rows"},
        {"P\x95"
         "MemberSectionSize Prof0;5",
         "P", VnMapMemberSectionSize, "Prof0;5"},
        {"End plate\x95"
         "Distance Edge top",
         "End plate", VnMapDistance, "Edge top"},
    };
    for (const Case& c : cases) {
        Acad::ErrorStatus es;
        VnObjectMap m = parsed(c.text, es);
        EXPECT_EQ(es, Acad::eOk) << c.text;
        EXPECT_EQ(m.objectName, c.object);
        EXPECT_EQ(m.kind, c.kind) << c.text;
        EXPECT_EQ(m.varName, c.var) << c.text;
        EXPECT_EQ(m.ssVarName, "Var");
    }
}

TEST(ObjectMap, MappingTextsThatDoNotParse) {
    for (const char* text : {"Plate1 Distance W",
                             "Plate1\x95"
                             "Width W",
                             "Plate1\x95",
                             "Plate1\x95"
                             "distance W",
                             ""}) {
        Acad::ErrorStatus es;
        parsed(text, es);
        EXPECT_EQ(es, Acad::eInvalidInput) << text;
    }
}

TEST(ObjectMap, TextRoundTripAndKindsWithoutKeyword) {
    VnObjectMap m;
    m.objectName = "Bolts1";
    m.kind = VnMapBoltsHoleOffset;
    m.varName = "D";
    m.ssVarName = "Hole";
    Ktx_String text, var;
    ASSERT_EQ(m.setMappingToStrs(text, var), Acad::eOk);
    EXPECT_EQ(text,
              "Bolts1\x95"
              "BoltsHoleOffset D");
    EXPECT_EQ(var, "Hole");
    VnObjectMap back;
    ASSERT_EQ(back.getMappingFromStrs(var, text), Acad::eOk);
    EXPECT_EQ(back.isCompatible(m), Acad::eOk);
    for (int kind : {0, 22, -1}) {
        m.kind = static_cast<VnMapKind>(kind);
        EXPECT_EQ(m.setMappingToStrs(text, var), Acad::eInvalidInput);
    }
}

TEST(ObjectMap, CompatibilityIgnoresVariableVisibilityLabelAndCase) {
    VnObjectMap a, b;
    a.objectName = "Plate1";
    a.varName = "W";
    a.kind = VnMapDistance;
    b = a;
    b.objectName = "PLATE1";
    b.ssVarName = "Other";
    b.visibility = 0;
    b.label = "x";
    EXPECT_EQ(a.isCompatible(b), Acad::eOk);
    b.kind = VnMapGenVar;
    EXPECT_NE(a.isCompatible(b), Acad::eOk);
}

class ObjectMapRoad : public ::testing::Test {
  protected:
    Acad::ErrorStatus read(const char* object, VnMapKind kind, const char* var, Ktx_String& v) {
        VnObjectMap map;
        map.objectName = object;
        map.kind = kind;
        map.varName = var;
        return map.getMacroVarValue(&m.macro, &m.data, v, nullptr);
    }
    Acad::ErrorStatus write(const char* object, VnMapKind kind, const char* var, Ktx_String v) {
        VnObjectMap map;
        map.objectName = object;
        map.kind = kind;
        map.varName = var;
        return map.setMacroVarValue(&m.macro, &m.data, v, nullptr);
    }
    ExampleMacro m{"end_plate.macro"};
};

TEST_F(ObjectMapRoad, GeneralVariablesTravelWithEightDecimals) {
    Ktx_String value;
    ASSERT_EQ(read("", VnMapGenVar, "gen_Weld", value), Acad::eOk);
    EXPECT_EQ(value, "5.00000000");
    ASSERT_EQ(write("", VnMapGenVar, "gen_Weld", "6"), Acad::eOk);
    EXPECT_TRUE(m.macro.isModified());
    EXPECT_NE(read("", VnMapGenVar, "gen_Nothing", value), Acad::eOk);
}

TEST_F(ObjectMapRoad, BaseProfilesAndSectionSizesByColumn) {
    Ktx_String value;
    ASSERT_EQ(read("", VnMapPrPlName, "Prof1", value), Acad::eOk);
    EXPECT_EQ(value, "HEA-200");
    ASSERT_EQ(read("", VnMapPrPlMaterial, "Prof0", value), Acad::eOk);
    EXPECT_EQ(value, "S235");
    ASSERT_EQ(read("", VnMapMemberSectionSize, "Prof1;5", value), Acad::eOk);
    EXPECT_EQ(value, "190");
    ASSERT_EQ(read("", VnMapMemberSectionSize, "Prof0;7", value), Acad::eOk);
    EXPECT_EQ(value, "7.1");
    EXPECT_NE(read("", VnMapPrPlName, "Prof2", value), Acad::eOk);
    EXPECT_NE(read("", VnMapPrPlName, "ProfX", value), Acad::eOk);
    EXPECT_NE(read("", VnMapMemberSectionSize, "Prof1", value), Acad::eOk);
    EXPECT_NE(write("", VnMapPrPlName, "Prof1", "HEA-300"), Acad::eOk);
    EXPECT_EQ(m.macro.baseProfiles[1].sectionName, "HEA-200");
}

TEST_F(ObjectMapRoad, ModuleKindsReachEveryModuleOfTheGroup) {
    ASSERT_EQ(write("Plates", VnMapDistance, "Slope", "3"), Acad::eOk);  // only Plate1 has it
    EXPECT_DOUBLE_EQ(m.module("Plate1")->variables[5].value, 3.0);
    Ktx_String value;
    ASSERT_EQ(read("End plate", VnMapDistance, "H", value), Acad::eOk);
    EXPECT_EQ(value, "380");
    ASSERT_EQ(read("Stiffeners", VnMapCutRadius, "Notch", value), Acad::eOk);
    EXPECT_EQ(value, "12.5000000");
    ASSERT_EQ(read("Bolts", VnMapPatternReverseStart2, "Rows", value), Acad::eOk);
    EXPECT_EQ(value, "1");
    ASSERT_EQ(read("Bolts", VnMapBoltsDiameter, "", value), Acad::eOk);
    EXPECT_EQ(value, "M20");
    ASSERT_EQ(read("Stiffeners", VnMapOwnedMemberName, "Stiffener", value), Acad::eOk);
    EXPECT_EQ(value, "Stiffener plate");
}

TEST_F(ObjectMapRoad, NothingReadIsAFailure) {
    Ktx_String value = "kept";
    EXPECT_NE(read("End plate", VnMapDistance, "Nothing", value), Acad::eOk);
    EXPECT_NE(read("No such group", VnMapDistance, "W", value), Acad::eOk);
    EXPECT_NE(read("End plate", VnMapPatternNrBolts1, "Rows", value), Acad::eOk);
    EXPECT_EQ(value, "kept");
    VnObjectMap map;
    EXPECT_NE(map.getMacroVarValue(nullptr, &m.data, value, nullptr), Acad::eOk);
}

}  // namespace
