// The declarations of a standard are a matter of its file alone when they are read right after
// the load: they are kept per file and taken again while the file is unchanged.
#include <algorithm>

#include "vn_kept_by_stamp.h"
#include "vn_standards_spread.h"

namespace {

struct Declarations {
    Acad::ErrorStatus status = Acad::eOk;
    VnVarCells varCells;
    std::shared_ptr<const VnStandardsSpread::CalcPlan> calcPlan;
};

VnKeptByStamp<Declarations>& keptDeclarations() {
    static VnKeptByStamp<Declarations> kept;
    return kept;
}

}  // namespace

Acad::ErrorStatus VnStandardsSpread::findLoadedVarCells() {
    variablesFormatted_ = false;
    variableTextsKept_ = false;
    if (!loaded_) return findVarCells();
    const LoadedFile file = std::move(*loaded_);
    loaded_.reset();
    if (auto kept = keptDeclarations().find(file.hostPath, file.stamp)) {
        varCells = kept->varCells;
        calcPlan_ = kept->calcPlan;
        return kept->status;
    }
    const Acad::ErrorStatus status = findVarCells();
    calcPlan_ =
        std::make_shared<const CalcPlan>(planCalc(*this, findSectionStart("Calc"), varCells));
    keptDeclarations().keep(file.hostPath, file.stamp, Declarations{status, varCells, calcPlan_});
    return status;
}

// Every cell below the header that holds a value or a formula right after the load. Only
// these can hold an equation when calcAll runs: what the evaluation writes before it goes
// into cells that held something (declarations, texts with general variables). The same scan
// over the whole sheet, with the declared variables' cells, gives the cells where general
// variables may be replaced, and the texts of those that nothing else writes to.
VnStandardsSpread::CalcPlan VnStandardsSpread::planCalc(Ktx_Spread& grid, int start,
                                                        const VnVarCells& declared) {
    struct Filled {
        int row, col;
        std::optional<std::string> text;  // set when only the file decides the cell's text
        int var = -1;                     // the declared variable whose cell it is
    };
    CalcPlan plan;
    plan.start = start;
    const int maxRows = grid.getMaxRows();
    const int maxCols = grid.getMaxCols();
    std::vector<Filled> filled;
    Ktx_String text;
    Ktx_String formula;
    for (int row = 1; row <= maxRows; ++row) {
        for (int col = 1; col <= maxCols; ++col) {
            const bool value =
                grid.getCellText(col, row, text, CellTextKind::Value) && !text.isEmpty();
            const bool hasFormula =
                grid.getCellText(col, row, formula, CellTextKind::Formula) && !formula.isEmpty();
            if (!value && !hasFormula) continue;
            filled.push_back({row, col, hasFormula ? std::nullopt : std::optional(text.str()), -1});
            if (start >= 0 && row >= start) plan.cells.emplace_back(col, row);
        }
    }
    // A variable's cell is written by the evaluation: its text is never taken as loaded.
    for (int i = 0; i < declared.length(); ++i)
        filled.push_back({declared[i].row, declared[i].col, std::nullopt, i});
    const auto before = [](const Filled& a, const Filled& b) {
        return std::pair(a.row, a.col) < std::pair(b.row, b.col);
    };
    std::stable_sort(filled.begin(), filled.end(), before);
    for (size_t i = 0; i < filled.size();) {
        std::optional<std::string> fixed = std::move(filled[i].text);
        int var = filled[i].var;
        size_t next = i + 1;
        for (; next < filled.size() && !before(filled[i], filled[next]); ++next) {
            fixed.reset();  // the same cell again: a variable's
            if (var < 0) var = filled[next].var;
        }
        plan.written.emplace_back(filled[i].col, filled[i].row);
        plan.loadedTexts.push_back(fixed ? std::optional<std::string_view>(*fixed) : std::nullopt);
        plan.writtenVars.push_back(var);
        i = next;
    }
    for (const auto& [col, row] : plan.cells) {
        const auto at =
            std::lower_bound(plan.written.begin(), plan.written.end(), std::pair(row, col),
                             [](const std::pair<int, int>& w, const std::pair<int, int>& rc) {
                                 return std::pair(w.second, w.first) < rc;
                             });
        plan.calcWritten.push_back(static_cast<int>(at - plan.written.begin()));
    }
    return plan;
}

// The plan serves one calculation right after the steps that prepare it; when a variable now
// holds the text "Calc", or general variables were replaced into or out of that text, the
// header is searched for again and every cell visited.
std::shared_ptr<const VnStandardsSpread::CalcPlan> VnStandardsSpread::takeCalcPlan() {
    std::shared_ptr<const CalcPlan> plan = std::move(calcPlan_);
    calcPlan_.reset();
    const bool stale = calcPlanStale_;
    calcPlanStale_ = false;
    bool sound = plan && !stale;
    for (int i = 0; sound && i < varCells.length(); ++i)
        if (varCells[i].value == "Calc") sound = false;
    if (sound) return plan;
    replayed_.reset();  // the texts of this calculation are not the plan's to keep
    recording_.reset();
    return nullptr;
}

void VnStandardsSpread::forgetKeptDeclarations() {
    keptDeclarations().clear();
}
