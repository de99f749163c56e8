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
// variables may be replaced.
VnStandardsSpread::CalcPlan VnStandardsSpread::planCalc(Ktx_Spread& grid, int start,
                                                        const VnVarCells& declared) {
    CalcPlan plan;
    plan.start = start;
    const int maxRows = grid.getMaxRows();
    const int maxCols = grid.getMaxCols();
    std::vector<std::pair<int, int>> filled;
    Ktx_String text;
    for (int row = 1; row <= maxRows; ++row) {
        for (int col = 1; col <= maxCols; ++col) {
            const bool value =
                grid.getCellText(col, row, text, CellTextKind::Value) && !text.isEmpty();
            if (!value &&
                !(grid.getCellText(col, row, text, CellTextKind::Formula) && !text.isEmpty()))
                continue;
            filled.emplace_back(row, col);
            if (start >= 0 && row >= start) plan.cells.emplace_back(col, row);
        }
    }
    for (int i = 0; i < declared.length(); ++i)
        filled.emplace_back(declared[i].row, declared[i].col);
    std::sort(filled.begin(), filled.end());
    filled.erase(std::unique(filled.begin(), filled.end()), filled.end());
    for (const auto& [row, col] : filled) plan.written.emplace_back(col, row);
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
    if (!plan || stale) return nullptr;
    for (int i = 0; i < varCells.length(); ++i)
        if (varCells[i].value == "Calc") return nullptr;
    return plan;
}

void VnStandardsSpread::forgetKeptDeclarations() {
    keptDeclarations().clear();
}
