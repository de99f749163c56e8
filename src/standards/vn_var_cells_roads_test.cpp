// Passes over a mapping taken from a kept mapping line remember which map serves each variable
// (and, within one pass, which modules a group name stands for; a write pass that follows a
// read of an unchanged macro keeps them too). Between passes the macro, the variables and the
// mapping file change; every value read and written must stay what the plain road, which
// remembers nothing, gives.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "ktx_settings.h"
#include "vn_object_map_test_macros.h"
#include "vn_var_cells.h"

namespace {

VnVarCell cell(const char* name, VnCellType type, VnValueType valueType = VnValueDouble) {
    VnVarCell c;
    c.name = name;
    c.cellType = type;
    c.valueType = valueType;
    c.value = "unset";
    return c;
}

// Every constraint variable of the macro, as "module.variable=value".
std::vector<std::string> macroValues(const Ktx_Macro& macro) {
    std::vector<std::string> out;
    for (const Ktx_Module& m : macro.modules)
        for (const Ktx_ConstrVar& v : m.variables)
            out.push_back(m.name + "." + v.name + "=" + std::to_string(v.value));
    return out;
}

// W and H from the plate, Rows and Gauge from the bolts.
const char* const kPlateAndBolts =
    "K=W\x83"
    "End plate\x95"
    "Distance W\xBFRows\x83"
    "Bolts\x95"
    "Distance Rows\xBFGauge\x83"
    "Bolts\x95"
    "Distance Gauge\xBFH\x83"
    "End plate\x95"
    "Distance H";

class VarCellsRoads : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder of each test's own: the suite's tests may run side by side.
        dir = std::filesystem::temp_directory_path() /
              ("vn_var_cells_roads_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        ssName = (dir / "Roads").string();
        gSettings.ssErrorMessages = false;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // The file written as settled long ago (each time at another time), so that what is read
    // of it is kept between passes.
    void writeMapping(const std::string& line) {
        const std::string path = ssName + ".map";
        std::ofstream(path, std::ios::binary) << "Mapping version 1.0\r\n" << line << "\r\n";
        ++writes;
        std::filesystem::last_write_time(
            path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1 + writes));
    }

    // One pass of each kind on twin macros changed by `change`: the remembering road on one,
    // the plain road on the other; values read and the macros written must agree.
    void passAndCompare(const VnVarCells& declared,
                        const std::function<void(ExampleMacro&)>& change, const char* what) {
        SCOPED_TRACE(what);
        ExampleMacro kept("endplate_ipe300.macro", "K"), plain("endplate_ipe300.macro", "K");
        for (ExampleMacro* m : {&kept, &plain}) {
            m->block.fileName = ssName.c_str();
            change(*m);
        }
        VnVarCells cells = declared;
        ASSERT_EQ(cells.getFromMacro(kept.block), Acad::eOk);
        VnSSMapping road;
        ASSERT_EQ(road.getMappingFromFile(plain.block.fileName, "K"), Acad::eOk);
        for (int i = 0; i < cells.length(); ++i) {
            if (cells[i].isLocal()) continue;
            Ktx_String value = declared[i].value;
            road.getMacroVarValue(cells[i].name, cells[i].valueType, value, plain.block);
            EXPECT_EQ(cells[i].value, value) << cells[i].name.c_str();
            reads.push_back(cells[i].value.str());
        }
        for (int i = 0; i < cells.length(); ++i) {
            if (!cells[i].isOutput()) continue;
            cells[i].value = Ktx_String(std::to_string(500 + i));
            Ktx_String value = cells[i].value;
            road.setMacroVarValue(cells[i].name, cells[i].valueType, value, plain.block);
        }
        // Nothing changed the macro since the read: the write pass goes on with the groups
        // the read found.
        cells.setToMacro(kept.block, VnMacroShape::UnchangedSinceRead);
        EXPECT_EQ(macroValues(kept.macro), macroValues(plain.macro));
    }

    std::filesystem::path dir;
    std::string ssName;
    int writes = 0;
    std::vector<std::string> reads;  // every value read, in order
};

TEST_F(VarCellsRoads, RememberedMapsAndModulesFollowChangesBetweenPasses) {
    writeMapping(kPlateAndBolts);
    VnVarCells declared;
    declared.append(cell("W", VnCellInput));
    declared.append(cell("Rows", VnCellInput));
    declared.append(cell("Gauge", VnCellOutput));
    declared.append(cell("Tmp", VnCellLocal));
    declared.append(cell("H", VnCellOutput));

    auto same = [](ExampleMacro&) {};
    passAndCompare(declared, same, "as read");
    passAndCompare(declared, same, "again");
    EXPECT_EQ(reads[0], "200");
    EXPECT_EQ(reads[1], "2");

    // A second module of tab name "Bolts", placed first: the group stands for both.
    passAndCompare(
        declared,
        [](ExampleMacro& m) {
            Ktx_Module twin = *m.module("Bolts1");
            twin.name = "Bolts0";
            twin.variables[2].value = 3;  // Rows
            m.macro.modules.insert(m.macro.modules.begin(), twin);
        },
        "module added and reordered");
    // The plate relabelled; a new module takes the tab name "End plate".
    passAndCompare(
        declared,
        [](ExampleMacro& m) {
            Ktx_Module twin = *m.module("Plate1");
            m.module("Plate1")->label = "Other";
            twin.name = "Plate2";
            twin.variables[0].value = 300;  // W
            m.macro.modules.push_back(twin);
        },
        "module renamed, another added");
    // The tab gone: the plate's variables cannot be reached.
    passAndCompare(
        declared, [](ExampleMacro& m) { m.data.tabs.erase(m.data.tabs.begin()); }, "tab removed");
    // A macro group of that name wins over tab names.
    passAndCompare(
        declared,
        [](ExampleMacro& m) {
            m.macro.groups.push_back({"End plate", {"Bolts1", "Plate1"}});
        },
        "group added");
    // Variables renamed and reordered in the module.
    passAndCompare(
        declared,
        [](ExampleMacro& m) {
            std::vector<Ktx_ConstrVar>& vars = m.module("Plate1")->variables;
            std::swap(vars[0], vars[1]);
            vars[2].name = "Thickness";
        },
        "module variables changed");
    EXPECT_EQ(reads[reads.size() - 4], "200");

    // The variables reordered, one of another type: the places remembered no longer fit.
    VnVarCells reordered;
    reordered.append(cell("Gauge", VnCellOutput));
    reordered.append(cell("W", VnCellInput, VnValueInt));
    reordered.append(cell("H", VnCellInput));
    reordered.append(cell("Rows", VnCellOutput));
    passAndCompare(reordered, same, "variables reordered");
    EXPECT_EQ(reads[reads.size() - 4], "100");    // Gauge at the place W had
    EXPECT_EQ(reads[reads.size() - 3], "unset");  // W as Int has no map
    EXPECT_EQ(reads[reads.size() - 2], "380");

    // The mapping file changed: W now maps to the bolts' pitch.
    std::filesystem::remove(ssName + ".map");
    writeMapping(
        "K=W\x83"
        "Bolts\x95"
        "Distance Pitch\xBFGauge\x83"
        "End plate\x95"
        "Distance EdgeSide");
    passAndCompare(declared, same, "mapping file changed");
    EXPECT_EQ(reads[reads.size() - 4], "70");
}

// The same variables passed over the same macro twice, the macro changed in between: the
// second pass finds the group's modules anew, as the plain road does.
TEST_F(VarCellsRoads, ASecondPassOverTheSameMacroFindsTheGroupsAnew) {
    writeMapping(kPlateAndBolts);
    VnVarCells cells;
    cells.append(cell("W", VnCellInput));
    cells.append(cell("Rows", VnCellOutput));
    ExampleMacro kept("endplate_ipe300.macro", "K"), plain("endplate_ipe300.macro", "K");
    kept.block.fileName = plain.block.fileName = ssName.c_str();
    ASSERT_EQ(cells.getFromMacro(kept.block), Acad::eOk);
    ASSERT_EQ(cells[0].value, "200");
    ASSERT_EQ(cells[1].value, "2");
    for (ExampleMacro* m : {&kept, &plain}) {
        Ktx_Module twin = *m->module("Bolts1");
        twin.name = "Bolts0";
        twin.variables[2].value = 3;  // Rows
        m->macro.modules.insert(m->macro.modules.begin(), twin);
        m->module("Plate1")->variables[0].value = 250;  // W
    }
    ASSERT_EQ(cells.getFromMacro(kept.block), Acad::eOk);
    VnSSMapping road;
    ASSERT_EQ(road.getMappingFromFile(plain.block.fileName, "K"), Acad::eOk);
    for (int i = 0; i < cells.length(); ++i) {
        Ktx_String value = "unset";
        road.getMacroVarValue(cells[i].name, cells[i].valueType, value, plain.block);
        EXPECT_EQ(cells[i].value, value) << cells[i].name.c_str();
    }
    EXPECT_EQ(cells[0].value, "250");
    cells[1].value = "7";
    cells.setToMacro(kept.block);
    Ktx_String rows = "7";
    road.setMacroVarValue("Rows", VnValueDouble, rows, plain.block);
    EXPECT_EQ(macroValues(kept.macro), macroValues(plain.macro));
}

}  // namespace
