// The calls an evaluation makes on its grids, and what every grid holds between two calls,
// compared with the logs kept in testdata/standards-call-log: the shipped end plate (a parent
// calling a child, evaluated twice in a row on the same pooled hosts) and a small standard
// with general variables, a duplicate declaration, a comment line and a child.
//
// The kept log lists each call ("call <grid> <name>") and, whenever a grid's contents,
// formats, values or options differ from what that grid held at its previous call,
// "state <grid> <hash>"; it ends with the full final state of every grid. The test demands
// the same sequence of states and the same final grids; the calls themselves may differ
// where they change nothing (a skipped read, a format set to what the cell already has).
// VN_WRITE_CALL_LOG=1 rewrites the kept logs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core_reset.h"
#include "grid_window.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "sheet_file.h"
#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg.h"
#include "vn_standards_fixture.h"
#include "win_driver.h"

namespace {

const std::filesystem::path kSource = VN_SOURCE_DIR;
const std::filesystem::path kLogs = kSource / "testdata" / "standards-call-log";

// Everything a grid holds that an evaluation may change or rely on.
std::string gridState(GridWindow& grid) {
    SheetModel& sheet = grid.sheet();
    std::string text = SheetFile::write(sheet);
    sheet.forEachUsedCell([&](int col, int row) {
        text += "value " + std::to_string(col) + "," + std::to_string(row) + " " +
                sheet.valueText(col, row) + "\n";
    });
    text += "options ";
    for (int i = 0; i < SS_OPTION_COUNT; ++i) text += grid.option(i) ? '1' : '0';
    text += "\nrefstyle " + std::to_string(grid.refStyleCode()) + "\n";
    return text;
}

std::string hashOf(const std::string& text) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    std::ostringstream out;
    out << std::hex << h;
    return out.str();
}

// Records the calls of every grid while alive.
class CallLog {
  public:
    CallLog() {
        active_ = this;
        GridWindow::setCallObserver(&observe);
    }
    ~CallLog() {
        GridWindow::setCallObserver(nullptr);
        active_ = nullptr;
    }
    // The log with the final state of every grid.
    std::string finish() {
        GridWindow::setCallObserver(nullptr);
        std::map<int, GridWindow*> byNumber;  // in the order the grids were first called
        for (auto& [grid, number] : numbers_) byNumber[number] = grid;
        for (auto& [number, grid] : byNumber) noteState(*grid, std::to_string(number));
        std::string text = calls_;
        for (auto& [number, grid] : byNumber)
            text += "final " + std::to_string(number) + "\n" + gridState(*grid);
        return text;
    }

  private:
    static void observe(GridWindow& grid, const char* call) { active_->record(grid, call); }
    void record(GridWindow& grid, const char* call) {
        auto [it, added] = numbers_.emplace(&grid, static_cast<int>(numbers_.size()) + 1);
        const std::string id = std::to_string(it->second);
        if (added) hashes_[&grid] = "";
        noteState(grid, id);
        calls_ += "call " + id + " " + call + "\n";
    }
    // A "state" line when the grid holds something else than at its previous call.
    void noteState(GridWindow& grid, const std::string& id) {
        const std::string hash = hashOf(gridState(grid));
        if (hashes_[&grid] == hash) return;
        hashes_[&grid] = hash;
        calls_ += "state " + id + " " + hash + "\n";
    }

    static inline CallLog* active_ = nullptr;
    std::map<GridWindow*, int> numbers_;
    std::map<GridWindow*, std::string> hashes_;
    std::string calls_;
};

// What must not change: the states each grid went through, in order, and each grid's final
// state. (A state is noted at the grid's next call, so the order across grids is not
// compared.)
std::string statesOf(const std::string& log) {
    std::istringstream in(log);
    std::string line, grid;
    std::map<std::string, std::string> byGrid, finals;
    while (std::getline(in, line)) {
        if (line.rfind("final ", 0) == 0) {
            grid = line.substr(6);
        } else if (!grid.empty()) {
            finals[grid] += line + "\n";
        } else if (line.rfind("state ", 0) == 0) {
            const std::size_t space = line.find(' ', 6);
            byGrid[line.substr(6, space - 6)] += line.substr(space) + "\n";
        }
    }
    std::string states;
    for (const auto& [id, sequence] : byGrid) states += "grid " + id + "\n" + sequence;
    for (const auto& [id, text] : finals) states += "final " + id + "\n" + text;
    return states;
}

void compareWithKept(const std::string& name, const std::string& log) {
    const auto file = kLogs / (name + ".txt");
    if (std::getenv("VN_WRITE_CALL_LOG") != nullptr) {
        std::filesystem::create_directories(kLogs);
        std::ofstream(file, std::ios::binary) << log;
    }
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << "no kept log " << file;
    std::stringstream kept;
    kept << in.rdbuf();
    EXPECT_EQ(statesOf(log), statesOf(kept.str())) << "the grids went through other states";
}

class StandardsCallLog : public StandardsFixture {};

}  // namespace

TEST(StandardsCallLogExample, EndPlateTwiceGoesThroughTheKeptStates) {
    winResetForTests();
    coreResetForTests();
    gSettings.setLibDir(windowsPathFromHost((kSource / "examples" / "library").string()));
    gSettings.ssErrorMessages = true;
    ASSERT_EQ(gSectionTables.loadLibrary(), 8);
    Ktx_Macro content;
    MacroData macroData;
    Ktx_String error;
    ASSERT_TRUE(
        readMacroFile(Ktx_String((kSource / "examples/macros/endplate_ipe300.macro").string()),
                      content, macroData, error));
    AcTransaction transaction(1);
    CallLog log;
    for (int round = 0; round < 2; ++round) {
        Ktx_DbMacro macro(content);
        VnDlgStandardsData data;
        ASSERT_EQ(data.initialize(&macro, "EndPlate", "EndPlateIPE300", &macroData), Acad::eOk);
        data.transaction = &transaction;
        ASSERT_TRUE(StartDlgStandardsSS(data));
    }
    compareWithKept("endplate", log.finish());
    EXPECT_TRUE(winMessageBoxes().empty());
    gSSDlgsMgr.destroyAll();
    gSectionTables.clear();
}

TEST_F(StandardsCallLog, ParentWithChildGeneralVariablesAndFailuresGoesThroughTheKeptStates) {
    writeStandard("Childs/Half.vns",
                  "Input\nDouble U\nOutput\nDouble V,String Tag\nLocal\nInt K\nCalc\n"
                  "K = U/2\nV = K + G\nTag = \"half\" & K\n");
    writeStandard("P.vns",
                  "Input\nDouble A,String Name\nOutput\nDouble R,String T\nLocal\n"
                  "Double A,Double W\nCalc\nW = A*G + 0.125\n"
                  "a note without an equation\n"
                  "\"R = CallChild(\"\"Half.vns\"\", W, R, T)\"\n"
                  "\"T = T & \"\"/\"\" & Name & \"\"/\"\" & S\"\n");
    auto data = childData(standardPath("P.vns"), {{"A", VnCellInput, "3"},
                                                  {"Name", VnCellInput, "IPE 200"},
                                                  {"R", VnCellOutput, ""},
                                                  {"T", VnCellOutput, ""}});
    data.genVarNames.append("G");
    data.genVarValues.append("4");
    data.genVarNames.append("S");
    data.genVarValues.append("steel");
    CallLog log;
    for (int round = 0; round < 2; ++round) {
        auto copy = data;
        ASSERT_TRUE(StartDlgStandardsSS(copy));
        EXPECT_EQ(valueOf(copy, "R"), "10.0625000");  // an Int cell shows, not rounds
        EXPECT_EQ(valueOf(copy, "T"), "half6.0625/IPE 200/steel");
    }
    compareWithKept("parent-child", log.finish());
    EXPECT_EQ(shownTexts().size(), 4u);  // a duplicate and a comment line, each round
}
