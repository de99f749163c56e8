// Evaluations of standards per second: the shipped example standard for its example macro
// (mode 0, mapping file and data files included), and generated standards with 100, 1,000
// and 10,000 Calc cells evaluated as children (a fixed set of 8 general variables replaced
// in every cell). The counters give the cost per Calc cell and the share of the main timers.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calc_timers.h"
#include "core_reset.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "sheet_csv.h"
#include "sheet_file.h"
#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg.h"
#include "win_driver.h"

namespace {

const std::filesystem::path kSource = VN_SOURCE_DIR;

void useLibrary(const std::filesystem::path& lib) {
    winResetForTests();
    coreResetForTests();
    gSettings.setLibDir(windowsPathFromHost(lib.string()));
    gSectionTables.loadLibrary();
}

void addTimerCounters(benchmark::State& state) {
    const VnNamedTimer* timers = calcTimers();
    for (int i = 0; i < kCalcTimerCount; ++i) {
        const double us =
            timers[i].timer->totalSeconds() * 1e6 / static_cast<double>(state.iterations());
        if (us >= 0.5) state.counters[std::string("us_") + timers[i].name] = us;
    }
}

void BM_ExampleEndPlate(benchmark::State& state) {
    useLibrary(kSource / "examples" / "library");
    Ktx_Macro content;
    MacroData macroData;
    Ktx_String error;
    const std::string macroFile = (kSource / "examples/macros/endplate_ipe300.macro").string();
    if (!readMacroFile(Ktx_String(macroFile), content, macroData, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    AcTransaction transaction(1);
    auto evaluate = [&] {
        Ktx_DbMacro macro(content);
        VnDlgStandardsData data;
        data.initialize(&macro, "EndPlate", "EndPlateIPE300", &macroData);
        data.transaction = &transaction;
        return StartDlgStandardsSS(data);
    };
    evaluate();  // the pooled hosts and kept files exist from the first evaluation on
    resetCalcTimers();
    for (auto _ : state) {
        if (!evaluate()) {
            state.SkipWithError("evaluation failed");
            break;
        }
    }
    addTimerCounters(state);
    gSSDlgsMgr.destroyAll();
}
BENCHMARK(BM_ExampleEndPlate)->Unit(benchmark::kMicrosecond);
// A fixed count, for instruction profiles (valgrind --tool=callgrind, see bench/README.md).
BENCHMARK(BM_ExampleEndPlate)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// A standard with `cells` Calc cells: each defines a Local from the one before, the input and
// a general variable; the last gives the Output.
std::string generatedStandard(int cells) {
    std::string csv = "Input\nDouble A\nOutput\nDouble R\nLocal\n";
    for (int i = 1; i <= cells; ++i) csv += "Double L" + std::to_string(i) + (i % 10 ? "," : "\n");
    if (cells % 10) csv += "\n";
    csv += "Calc\nL1 = A + G1\n";
    for (int i = 2; i <= cells; ++i) {
        csv += "L" + std::to_string(i) + " = L" + std::to_string(i - 1) + "*0.5 + A + G" +
               std::to_string(i % 8 + 1) + "\n";
    }
    return csv + "R = L" + std::to_string(cells) + "\n";
}

void BM_GeneratedCalcCells(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    const auto lib = std::filesystem::temp_directory_path() / "vn_standards_bench";
    std::filesystem::create_directories(lib / "Connection Standards");
    std::string error;
    auto sheet = SheetCsv::read(generatedStandard(cells), false, error);
    const auto file = lib / "Connection Standards" / ("Gen" + std::to_string(cells) + ".vns");
    std::ofstream(file, std::ios::binary) << SheetFile::write(*sheet);
    useLibrary(lib);
    resetCalcTimers();
    for (auto _ : state) {
        VnDlgStandardsData data;
        data.evalMode = 1;
        data.fileName = windowsPathFromHost(file.string());
        for (int g = 1; g <= 8; ++g) {
            data.genVarNames.append(Ktx_String("G" + std::to_string(g)));
            data.genVarValues.append(Ktx_String(std::to_string(g)));
        }
        VnVarCell a;
        a.name = "A";
        a.value = "1";
        VnVarCell r;
        r.name = "R";
        r.cellType = VnCellOutput;
        data.varCells.append(a);
        data.varCells.append(r);
        if (!StartDlgStandardsSS(data)) {
            state.SkipWithError("evaluation failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * cells);
    addTimerCounters(state);
    gSSDlgsMgr.destroyAll();
    std::filesystem::remove_all(lib);
}
BENCHMARK(BM_GeneratedCalcCells)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
