// Evaluations of standards per second: the shipped example standard for its example macro
// (mode 0, mapping file and data files included), and generated standards with 100, 1,000
// and 10,000 Calc cells evaluated as children (a fixed set of 8 general variables replaced
// in every cell). The counters give the cost per Calc cell and the share of the main timers.
// The floor benchmarks show what one evaluation of the example cannot avoid; the batch runs
// the command's per-macro path over 10,000 macro files (bench/README.md).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc_timers.h"
#include "cmd_eval_files.h"
#include "cmd_eval_jobs.h"
#include "core_reset.h"
#include "file_stamp.h"
#include "formula_engine.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "sheet_csv.h"
#include "sheet_file.h"
#include "status_watch.h"
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
    // The pooled hosts and kept files exist from the first evaluation on, the watches that keep
    // the files' statuses from the second: the steady state of a batch is timed.
    evaluate();
    evaluate();
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

// Generated standards in a library of their own, evaluated as children of a fixed macro.
class GeneratedLibrary {
  public:
    explicit GeneratedLibrary(const std::vector<int>& sizes)
        : lib_(std::filesystem::temp_directory_path() /
               ("vn_standards_bench_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(lib_ / "Connection Standards");
        for (int cells : sizes) writeStandard(cells);
        useLibrary(lib_);
    }
    ~GeneratedLibrary() {
        gSSDlgsMgr.destroyAll();
        std::filesystem::remove_all(lib_);
    }
    GeneratedLibrary(const GeneratedLibrary&) = delete;
    GeneratedLibrary& operator=(const GeneratedLibrary&) = delete;

    bool evaluate(int cells) const {
        VnDlgStandardsData data;
        data.evalMode = 1;
        data.fileName = windowsPathFromHost(fileOf(cells).string());
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
        return StartDlgStandardsSS(data);
    }

  private:
    std::filesystem::path fileOf(int cells) const {
        return lib_ / "Connection Standards" / ("Gen" + std::to_string(cells) + ".vns");
    }
    void writeStandard(int cells) const {
        std::string error;
        auto sheet = SheetCsv::read(generatedStandard(cells), false, error);
        const auto file = fileOf(cells);
        std::ofstream(file, std::ios::binary) << SheetFile::write(*sheet);
        // A standard written a moment ago may still change within the file system's clock
        // tick, so nothing read from it would be kept: dated back, it is the settled file of a
        // batch.
        std::filesystem::last_write_time(
            file, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
    }

    std::filesystem::path lib_;
};

void BM_GeneratedCalcCells(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    const GeneratedLibrary library({cells});
    // The first evaluation reads and plans the file, the second puts the watches that keep the
    // files' statuses: the steady state of a batch is timed.
    if (!library.evaluate(cells) || !library.evaluate(cells))
        state.SkipWithError("evaluation failed");
    resetCalcTimers();
    for (auto _ : state) {
        if (!library.evaluate(cells)) {
            state.SkipWithError("evaluation failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * cells);
    addTimerCounters(state);
}
BENCHMARK(BM_GeneratedCalcCells)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The cost per Calc cell at 100, 1,000 and 10,000 cells, measured side by side: every
// iteration times a block of evaluations of each size in turn (about 30 ms each, the first of
// a block untimed, as it finds the caches filled by the other size). A shared machine's speed
// changes over seconds, so sizes timed one after the other can differ by the machine alone;
// blocks this short see the same machine. The counters are the medians of the blocks' costs
// per cell (us_cell_N) and the flatness: the dearest median over the cheapest.
void BM_CalcCellsSideBySide(benchmark::State& state) {
    const std::vector<int> sizes{100, 1000, 10000};
    const GeneratedLibrary library(sizes);
    for (int cells : sizes) {
        if (!library.evaluate(cells) || !library.evaluate(cells)) {
            state.SkipWithError("evaluation failed");
            return;
        }
    }
    std::vector<std::vector<double>> perCell(sizes.size());
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            const std::size_t i = (first + k) % sizes.size();
            const int cells = sizes[i];
            const int evaluations = std::max(2, 300'000 / cells / 10);
            library.evaluate(cells);
            const auto start = std::chrono::steady_clock::now();
            for (int e = 1; e < evaluations; ++e) library.evaluate(cells);
            const std::chrono::duration<double, std::micro> took =
                std::chrono::steady_clock::now() - start;
            perCell[i].push_back(took.count() / (evaluations - 1) / cells);
        }
        first = (first + 1) % sizes.size();
    }
    std::vector<double> medians;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        auto& costs = perCell[i];
        std::nth_element(costs.begin(), costs.begin() + costs.size() / 2, costs.end());
        medians.push_back(costs[costs.size() / 2]);
        state.counters["us_cell_" + std::to_string(sizes[i])] = medians.back();
    }
    state.counters["flatness"] = *std::max_element(medians.begin(), medians.end()) /
                                 *std::min_element(medians.begin(), medians.end());
}
BENCHMARK(BM_CalcCellsSideBySide)->Iterations(30)->Unit(benchmark::kMillisecond);

// Fixed counts, for instruction profiles: the difference of the two over 40 is one evaluation.
BENCHMARK(BM_GeneratedCalcCells)->Arg(1000)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedCalcCells)->Arg(1000)->Iterations(50)->Unit(benchmark::kMillisecond);
// The same at 10,000 cells: the difference of the two over 2 is one evaluation.
BENCHMARK(BM_GeneratedCalcCells)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedCalcCells)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

// The floor, part 1: the check of each file the example's evaluation uses (the standard, its
// mapping file, the child standard and the three data files) that lets it take what it kept of
// them. BM_FloorStampChecks is what an evaluation does: one status scope, whose opening reads
// the changes the kernel reported, and the kept statuses. BM_FloorStatusCalls is the status
// call per file that the check replaces.
std::vector<std::string> exampleFiles() {
    const std::filesystem::path lib = kSource / "examples/library/Connection Standards";
    return {(lib / "EndPlate.vns").string(),
            (lib / "EndPlate.map").string(),
            (lib / "Childs/BoltLayout.vns").string(),
            (lib / "Data/bolt_holes.txt").string(),
            (lib / "Data/plate_thickness.txt").string(),
            (lib / "Data/endplate_widths.txt").string()};
}

void BM_FloorStampChecks(benchmark::State& state) {
    const std::vector<std::string> files = exampleFiles();
    HostFileStamp stamp;
    for (auto _ : state) {
        beginHostStatusScope();
        for (const std::string& file : files)
            benchmark::DoNotOptimize(hostFileStampOf(file, stamp));
        endHostStatusScope();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(BM_FloorStampChecks)->Unit(benchmark::kMicrosecond);

void BM_FloorStatusCalls(benchmark::State& state) {
    const std::vector<std::string> files = exampleFiles();
    for (auto _ : state) {
        for (const std::string& file : files) benchmark::DoNotOptimize(readHostStatus(file));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(BM_FloorStatusCalls)->Unit(benchmark::kMicrosecond);

// The floor, part 2: the arithmetic of the example's 18 equations (parent and child) as
// compiled formulas, calculated again: what is left once nothing is parsed, looked up or
// converted to text.
void BM_FloorEquations(benchmark::State& state) {
    FormulaEngine sheet;
    const char* const formulas[] = {"300",
                                    "150",
                                    "10.7",
                                    "20",
                                    "22",
                                    "ROUND(1.5*E1/5,0)*5",
                                    "MAX(1.5*C1,0.6*D1)",
                                    "B1+20",
                                    "ROUND((A1+30)/10,0)*10",
                                    "ROUND(0.6*B1/10,0)*10",
                                    "(H1-J1)/2",
                                    "A1-2*C1-2*F1",
                                    "ROUND(3*E1/5,0)*5",
                                    "MAX(2,INT(L1/M1)+1)",
                                    "FLOOR(L1/(N1-1),5)",
                                    "2*N1",
                                    "G1*2",
                                    "K1+O1"};
    int col = 1;
    for (const char* f : formulas) sheet.setFormula(col++, 1, f, FormulaSetMode::Strict);
    for (auto _ : state) sheet.recalcAll();
    state.SetItemsProcessed(state.iterations() * 18);
}
BENCHMARK(BM_FloorEquations)->Unit(benchmark::kMicrosecond);

long peakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The batch: "vnstd eval --macros" runs this per macro file. 10,000 copies of the example
// macro in a temporary folder, listed and each evaluated once per iteration with the timers
// added up as the command does; the counters give the time per macro and how much the peak
// memory grew over the batch (it should not: 0 kB).
void BM_MacroBatch(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    useLibrary(kSource / "examples" / "library");
    const auto folder = std::filesystem::temp_directory_path() /
                        ("vn_standards_batch_bench_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i)
        std::filesystem::copy_file(kSource / "examples/macros/endplate_ipe300.macro",
                                   folder / ("m" + std::to_string(i) + ".macro"));
    EvalOptions options;
    options.standard = "EndPlate";
    options.key = "EndPlateIPE300";
    // The pooled hosts exist from the first evaluation on, the watches that keep the library
    // files' statuses from the second, the look-ups kept from them from the third.
    for (int i = 0; i < 3; ++i) evaluateFolderFile(options, MacroFileList(folder.string()).path(0));
    const long before = peakKb();
    for (auto _ : state) {
        const MacroFileList files(folder.string());
        std::vector<TimerFigure> timers;
        for (size_t i = 0; i < files.size(); ++i) {
            if (!evaluateFolderFile(options, files.path(i)).reason.empty()) {
                state.SkipWithError("evaluation failed");
                break;
            }
            addCurrentTimerFigures(timers);
        }
    }
    state.counters["us_per_macro"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * count,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_growth_kB"] = static_cast<double>(peakKb() - before);
    gSSDlgsMgr.destroyAll();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_MacroBatch)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
