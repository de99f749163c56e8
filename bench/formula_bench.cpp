// Formula engine speed: reading formulas, building a sheet, calculating it whole, and
// recalculating after one change. Sheets are 100 columns wide; row 1 holds numbers, every
// other cell a formula over the row above (and, in the chain sheet, the cell to the left),
// a fifth of them also reading $A$1 so that a change of A1 spreads widely.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdint>
#include <string>
#include <vector>

#include "formula_engine.h"
#include "formula_reference.h"

namespace {

constexpr int kCols = 100;

struct Rng {  // xorshift32: the same sheet on every run
    std::uint32_t s = 7;
    std::uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int pick(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
};

std::string ref(int col, int row) {
    return columnLetters(col) + std::to_string(row);
}

// The formula of a cell (col, row >= 2) of the chain or the grid sheet.
std::string formulaFor(bool chain, int col, int row, Rng& rng) {
    std::string spread = rng.pick(5) == 0 ? "+$A$1/50" : "";
    if (chain) {
        if (col == 1) return "";
        return "=(" + ref(col - 1, row) + "+" + ref(col, row - 1) + ")*0.5" + spread;
    }
    std::string a = ref(1 + rng.pick(kCols), row - 1), b = ref(1 + rng.pick(kCols), row - 1);
    if (rng.pick(2)) return "=(" + a + "+" + b + ")*0.5" + spread;
    switch (rng.pick(4)) {
        case 0:
            return "=IF(" + a + ">" + b + "," + a + "," + b + ")*0.9" + spread;
        case 1:
            return "=MIN(" + a + "," + b + ")+ROUND(" + b + ",2)*0.01" + spread;
        case 2:
            return "=MAX(" + a + "," + b + ")*0.5+ABS(" + a + "-" + b + ")*0.25" + spread;
        default:
            return "=SQRT(" + a + "*" + a + "+" + b + "*" + b + ")*0.7" + spread;
    }
}

struct Sheet {
    std::vector<std::string> formulas;  // row-major, rows 2.. ; "" = a number
    int rows = 0;
};

Sheet makeSheet(bool chain, int cells) {
    Sheet s;
    s.rows = cells / kCols;
    Rng rng;
    for (int r = 2; r <= s.rows; ++r)
        for (int c = 1; c <= kCols; ++c) s.formulas.push_back(formulaFor(chain, c, r, rng));
    return s;
}

void load(FormulaEngine& e, const Sheet& s) {
    e.setAutoCalc(false);
    for (int c = 1; c <= kCols; ++c) e.setNumber(c, 1, c * 0.25);
    std::size_t i = 0;
    for (int r = 2; r <= s.rows; ++r)
        for (int c = 1; c <= kCols; ++c, ++i) {
            if (s.formulas[i].empty())
                e.setNumber(c, r, r * 0.5);
            else
                e.setFormula(c, r, s.formulas[i], FormulaSetMode::Bulk);
        }
}

const Sheet& sheetOf(bool chain, int cells) {
    if (cells >= 1000000) {
        if (chain) {
            static const Sheet s = makeSheet(true, 1000000);
            return s;
        }
        static const Sheet s = makeSheet(false, 1000000);
        return s;
    }
    if (chain) {
        static const Sheet s = makeSheet(true, 100000);
        return s;
    }
    static const Sheet s = makeSheet(false, 100000);
    return s;
}

std::size_t heapInUse() {
    struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Reports the time per cell (CPU time, as the machine may be shared).
void perCell(benchmark::State& state, std::int64_t cells) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * cells);
    state.counters["ns_per_cell"] = benchmark::Counter(
        static_cast<double>(cells) * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Reading (lexing, parsing and compiling) one formula, without storing it.
void BM_ParseFormula(benchmark::State& state) {
    const Sheet& s = sheetOf(false, 100000);
    FormulaEngine e;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(e.checkFormula(5, 5, s.formulas[i]));
        if (++i == s.formulas.size()) i = 0;
    }
    perCell(state, 1);
}
BENCHMARK(BM_ParseFormula);

// Storing every cell of a sheet (formulas compiled and linked), without calculating.
void BM_LoadSheet(benchmark::State& state) {
    bool chain = state.range(0) != 0;
    int cells = static_cast<int>(state.range(1));
    const Sheet& s = sheetOf(chain, cells);
    for (auto _ : state) {
        FormulaEngine e;
        load(e, s);
        benchmark::DoNotOptimize(e.usedRows());
    }
    perCell(state, cells);
}
BENCHMARK(BM_LoadSheet)->Args({1, 100000})->Args({0, 100000})->Unit(benchmark::kMillisecond);

// Calculating a loaded sheet whole, in dependency order.
void BM_CalcSheet(benchmark::State& state) {
    bool chain = state.range(0) != 0;
    int cells = static_cast<int>(state.range(1));
    FormulaEngine e;
    load(e, sheetOf(chain, cells));
    for (auto _ : state) e.recalcAll();
    perCell(state, cells);
}
BENCHMARK(BM_CalcSheet)
    ->Args({1, 100000})
    ->Args({0, 100000})
    ->Args({1, 1000000})
    ->Args({0, 1000000})
    ->Unit(benchmark::kMillisecond);

// Building: load and calculate (what opening a sheet costs).
void BM_BuildSheet(benchmark::State& state) {
    bool chain = state.range(0) != 0;
    int cells = static_cast<int>(state.range(1));
    const Sheet& s = sheetOf(chain, cells);
    double bytes = 0;
    for (auto _ : state) {
        std::size_t before = heapInUse();
        FormulaEngine e;
        load(e, s);
        e.recalcAll();
        benchmark::DoNotOptimize(e.value(kCols, s.rows));
        bytes = static_cast<double>(heapInUse() - before);
    }
    perCell(state, cells);
    state.counters["bytes_per_cell"] = bytes / cells;
}
BENCHMARK(BM_BuildSheet)
    ->Args({1, 100000})
    ->Args({0, 100000})
    ->Args({1, 1000000})
    ->Args({0, 1000000})
    ->Unit(benchmark::kMillisecond);

// Automatic recalculation after A1 changes (every formula depends on it in the chain sheet;
// a fifth directly and most through the rows above in the grid sheet).
void BM_RecalcAfterOneChange(benchmark::State& state) {
    bool chain = state.range(0) != 0;
    int cells = static_cast<int>(state.range(1));
    FormulaEngine e;
    load(e, sheetOf(chain, cells));
    e.recalcAll();
    e.setAutoCalc(true);
    double v = 1;
    for (auto _ : state) e.setNumber(1, 1, v += 1);
    perCell(state, cells);
}
BENCHMARK(BM_RecalcAfterOneChange)
    ->Args({1, 100000})
    ->Args({0, 100000})
    ->Args({1, 1000000})
    ->Args({0, 1000000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
