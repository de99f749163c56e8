#include "vn_ss_mapping.h"

#include <gtest/gtest.h>

#include "vn_object_map_test_macros.h"

namespace {

TEST(SSMapping, CatalogueListsTheMacroInOrder) {
    ExampleMacro m("end_plate.macro");
    VnSSMapping catalogue;
    ASSERT_EQ(catalogue.initAllVarsFromMacro(&m.macro, nullptr), Acad::eOk);
    std::vector<std::string> seen;
    for (int i = 0; i < catalogue.mapCount(); ++i) {
        const VnObjectMap& map = catalogue.map(i);
        seen.push_back(map.objectName.str() + "|" + mapKindKeyword(map.kind) + "|" +
                       map.varName.str() + "|" + std::to_string(map.visibility));
    }
    const std::vector<std::string> head = {
        "End plate|Distance|W|0",
        "End plate|Distance|H|0",
        "End plate|Distance|T|0",
        "End plate|Distance|EdgeTop|1",
        "End plate|Distance|Clearance|2",
        "End plate|CutChamferOffset1|Corner|0",
        "End plate|CutChamferOffset2|Corner|0",
        "Bolts|Distance|Pitch|0",
        "Bolts|BoltsDiameter||3",
        "Bolts|BoltsHoleOffset||3",
        "Bolts|PatternNrBolts1|Rows|3",
        "Bolts|PatternReverseStart1|Rows|3",
        "Bolts|PatternNrBolts2|Rows|3",
        "Bolts|PatternReverseStart2|Rows|3",
        "Stiffeners|Distance|Length|0",
        "Stiffeners|CutInsideOffset|Notch|0",
        "Stiffeners|CutOutsideOffset|Notch|0",
        "Stiffeners|CutRadius|Notch|0",
        "Stiffeners|OwnedMemberName|Stiffener|3",
        "|PrPlName|Prof0|3",
        "|PrPlMaterial|Prof0|3",
        "|MemberSectionSize|Prof0;0|3",
    };
    ASSERT_GT(seen.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + head.size()), head);
    // 20 columns per base profile (the "I/O" column is not one), then the general variables.
    EXPECT_EQ(seen.size(), 19u + 2 * (2 + 20) + 2);
    EXPECT_EQ(catalogue.map(21 + 5).label, "h");
    EXPECT_EQ(seen.back(), "|GenVar|gen_Weld|0");
    // The catalogue is appended, not rebuilt.
    catalogue.initAllVarsFromMacro(&m.macro, nullptr);
    EXPECT_EQ(catalogue.mapCount(), static_cast<int>(2 * seen.size()));
    EXPECT_NE(catalogue.initAllVarsFromMacro(nullptr, nullptr), Acad::eOk);
}

TEST(SSMapping, EqualityAndCompatibility) {
    VnSSMapping a, b, empty;
    a.appendMap(makeMap("Width", "Plate1", VnMapDistance, "W"));
    b.appendMap(makeMap("Other", "Plate1", VnMapDistance, "H"));
    b.appendMap(makeMap("WIDTH", "plate1", VnMapDistance, "w"));
    EXPECT_TRUE(a.isEqual(b));
    EXPECT_FALSE(b.isEqual(a));  // not symmetric
    EXPECT_TRUE(empty.isEqual(a));
    int count = -1;
    EXPECT_EQ(b.isCompatible(a, count), Acad::eOk);
    EXPECT_EQ(count, 1);
    a.appendMap(makeMap("Unset", "Plate1", VnMapNone, "W"));
    EXPECT_FALSE(a.isEqual(b));  // a map of kind 0 is never equal
}

TEST(SSMapping, FindingByVariableNeedsTheSameType) {
    VnSSMapping mapping;
    mapping.appendMap(makeMap("N", "Bolts", VnMapPatternNrBolts1, "Rows"));
    mapping.appendMap(makeMap("N", "Bolts", VnMapPatternReverseStart1, "Rows"));
    int index = -1;
    ASSERT_EQ(mapping.findSSVar("n", VnValueInt, index), Acad::eOk);
    EXPECT_EQ(index, 1);
    ASSERT_EQ(mapping.findSSVar("N", VnValueString, index), Acad::eOk);
    EXPECT_EQ(index, 0);
    EXPECT_NE(mapping.findSSVar("N", VnValueDouble, index), Acad::eOk);
}

TEST(SSMapping, ValidVariablesByFamilyAndTheirStableOrder) {
    VnSSMapping mapping;
    mapping.appendMap(makeMap("a", "P", VnMapDistance, "W"));
    mapping.appendMap(makeMap("b", "P", VnMapPrPlName, "Prof0"));
    mapping.appendMap(makeMap("c", "P", VnMapPatternReverseStart1, "R"));
    mapping.appendMap(makeMap("d", "P", VnMapNone, ""));
    mapping.appendMap(makeMap("e", "P", VnMapGenVar, "g"));
    AcArray<int> numeric, text;
    mapping.getValidVars(true, VnValueInt, numeric);
    mapping.getValidVars(false, VnValueString, text);
    EXPECT_EQ(numeric, (AcArray<int>{0, 2, 4}));
    EXPECT_EQ(text, (AcArray<int>{1}));
    mapping.sortValidVars(numeric, AcArray<int>{4, 7});
    EXPECT_EQ(numeric, (AcArray<int>{4, 0, 2}));
    AcArray<int> again = numeric;
    mapping.sortValidVars(again, AcArray<int>{4, 7});
    EXPECT_EQ(again, numeric);
}

TEST(SSMapping, ModuleGroupModeUsesVariableNamesAsPaths) {
    ExampleMacro m("two_beams.macro", "Module.Ends");
    VnSSMapping mapping;
    ASSERT_EQ(mapping.initFromModuleGroup(m.block.moduleName), Acad::eOk);
    EXPECT_EQ(mapping.mode, 1);
    Ktx_String value;
    ASSERT_EQ(mapping.getMacroVarValue("W", VnValueDouble, value, m.block), Acad::eOk);
    EXPECT_EQ(value, "120");
    value = "150";
    // Every module of the group is written; with no map the result says a module took it.
    EXPECT_EQ(mapping.setMacroVarValue("W", VnValueDouble, value, m.block), Acad::eOk);
    EXPECT_DOUBLE_EQ(m.module("Left")->variables[0].value, 150.0);
    EXPECT_DOUBLE_EQ(m.module("Right")->variables[0].value, 150.0);
    EXPECT_NE(mapping.getMacroVarValue("Missing", VnValueDouble, value, m.block), Acad::eOk);
    EXPECT_NE(mapping.setMacroVarValue("Missing", VnValueDouble, value, m.block), Acad::eOk);
    EXPECT_NE(mapping.initFromModuleGroup(""), Acad::eOk);
}

TEST(SSMapping, InsertAndRemoveReportBadIndices) {
    VnSSMapping mapping;
    acadClearCommandLine();
    EXPECT_NE(mapping.insertMapAt(1, VnObjectMap()), Acad::eOk);
    EXPECT_NE(mapping.removeMapAt(0), Acad::eOk);
    EXPECT_EQ(acadCommandLineText(),
              "*Error* Invalid index passed to insert.\n*Error* Invalid index passed to remove.\n");
    EXPECT_EQ(mapping.mapCount(), 0);
}

TEST(SSMapping, CopiesAreDeep) {
    VnSSMapping a;
    a.mode = 2;
    a.appendMap(makeMap("x", "P", VnMapDistance, "W"));
    VnSSMapping b = a;
    b.map(0).varName = "H";
    EXPECT_EQ(a.map(0).varName, "W");
    EXPECT_EQ(b.mode, 2);
    a = VnSSMapping();
    EXPECT_EQ(b.mapCount(), 1);
}

}  // namespace
