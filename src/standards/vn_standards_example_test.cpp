// The shipped example standard (a flush end plate) on the shipped example macros, checked
// against values worked out by hand for an IPE 300 beam with M20 bolts:
//   H 300, B 150, tf 10.7 (section table); hole 22 (bolt table);
//   edge distance ROUNDTO(1.5*22, 5) = 35; thickness: 1.5*10.7 = 16.05 -> 20 (16 lies below
//   with down tolerance 0); width: 150 + 20 = 170 -> 180 (the widths for 20 mm are 180, 200,
//   250, 300); height ROUNDTO(330, 10) = 330; gauge ROUNDTO(90, 10) = 90; side edge
//   (180 - 90)/2 = 45; child: inner 300 - 21.4 - 70 = 208.6, minimum pitch ROUNDTO(66, 5) = 65,
//   rows MAX(2, INT(3.21) + 1) = 4, pitch FLOOR(69.53, 5) = 65; bolts 2*4 = 8.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core_reset.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg.h"
#include "win_driver.h"

namespace {

const std::filesystem::path kSource = VN_SOURCE_DIR;

class ExampleStandard : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        coreResetForTests();
        gSettings.setLibDir(windowsPathFromHost((kSource / "examples" / "library").string()));
        gSettings.ssErrorMessages = true;
        ASSERT_EQ(gSectionTables.loadLibrary(), 8);
    }
    void TearDown() override {
        gSSDlgsMgr.destroyAll();
        gSectionTables.clear();
    }
    void load(const char* file) {
        Ktx_String error;
        ASSERT_TRUE(readMacroFile(Ktx_String((kSource / "examples/macros" / file).string()),
                                  content, macroData, error))
            << error;
        macro = Ktx_DbMacro(content);
    }
    double constraint(const char* module, const char* name) {
        Ktx_String value;
        Ktx_Module* m = macro.findModule(module);
        if (m == nullptr || getSetConstrVarValue(m, name, value, true) != Acad::eOk) return -1;
        return std::atof(value.c_str());
    }
    Ktx_Macro content;
    MacroData macroData;
    Ktx_DbMacro macro;
    AcTransaction transaction{1};
};

}  // namespace

TEST_F(ExampleStandard, WholeMacroMappingWritesTheHandWorkedPlate) {
    load("endplate_ipe300.macro");
    VnDlgStandardsData data;
    ASSERT_EQ(data.initialize(&macro, "EndPlate", "EndPlateIPE300", &macroData), Acad::eOk);
    data.transaction = &transaction;
    ASSERT_TRUE(StartDlgStandardsSS(data));
    for (const auto& box : winMessageBoxes()) ADD_FAILURE() << box.text;
    EXPECT_DOUBLE_EQ(constraint("Plate1", "W"), 180);
    EXPECT_DOUBLE_EQ(constraint("Plate1", "H"), 330);
    EXPECT_DOUBLE_EQ(constraint("Plate1", "T"), 20);
    EXPECT_DOUBLE_EQ(constraint("Plate1", "HoleDia"), 22);
    EXPECT_DOUBLE_EQ(constraint("Plate1", "EdgeTop"), 35);
    EXPECT_DOUBLE_EQ(constraint("Plate1", "EdgeSide"), 45);
    EXPECT_DOUBLE_EQ(constraint("Bolts1", "Gauge"), 90);
    EXPECT_DOUBLE_EQ(constraint("Bolts1", "Pitch"), 65);
    EXPECT_DOUBLE_EQ(constraint("Bolts1", "Rows"), 4);
    EXPECT_DOUBLE_EQ(constraint("Bolts1", "Count"), 8);
}

TEST_F(ExampleStandard, ModuleGroupWritesTheModulesConstraintVariables) {
    // IPE 240 with M16: H 240, B 120, tf 9.8, hole 18, edge 25 (27 -> 25), thickness
    // 14.7 -> 15, width 140 (15 mm: 180, 250, 300, but 180 is 40 above and up is 30, so
    // 140 rounded to the step of 10 stays), height 270, gauge 70, side edge 35; inner 240 - 19.6 -
    // 50 = 170.4, min pitch 55, rows 4, pitch 55.
    load("endplate_group.macro");
    VnDlgStandardsData data;
    ASSERT_EQ(data.initialize(&macro, "EndPlate", "Module.EndPlate", &macroData), Acad::eOk);
    data.transaction = &transaction;
    ASSERT_TRUE(StartDlgStandardsSS(data));
    for (const auto& box : winMessageBoxes()) ADD_FAILURE() << box.text;
    EXPECT_DOUBLE_EQ(constraint("EP1", "PlateWidth"), 140);
    EXPECT_DOUBLE_EQ(constraint("EP1", "PlateHeight"), 270);
    EXPECT_DOUBLE_EQ(constraint("EP1", "PlateThickness"), 15);
    EXPECT_DOUBLE_EQ(constraint("EP1", "HoleDia"), 18);
    EXPECT_DOUBLE_EQ(constraint("EP1", "EdgeDist"), 25);
    EXPECT_DOUBLE_EQ(constraint("EP1", "EdgeSide"), 35);
    EXPECT_DOUBLE_EQ(constraint("EP1", "Gauge"), 70);
    EXPECT_DOUBLE_EQ(constraint("EP1", "BoltRows"), 4);
    EXPECT_DOUBLE_EQ(constraint("EP1", "Pitch"), 55);
    EXPECT_DOUBLE_EQ(constraint("EP1", "BoltCount"), 8);
}
