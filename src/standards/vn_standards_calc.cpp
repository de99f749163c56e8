// Loading a standard, replacing general variables and calculating the Calc section.
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "calc_timers.h"
#include "path_translation.h"
#include "ss_functions.h"
#include "string_helpers.h"
#include "vn_calc_lap.h"
#include "vn_eval_trace.h"
#include "vn_ss_functions.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_calc_index.h"
#include "vn_standards_spread.h"

Ktx_String VnStandardsSpread::standardFilePath(const Ktx_String& name) {
    if (vnFileExists(name)) return name;
    // The library path made in one allocation.
    constexpr std::string_view folder = "Connection Standards\\", extension = ".vns";
    const std::string_view lib = vnLibDir().view();
    std::string path;
    path.reserve(lib.size() + folder.size() + name.view().size() + extension.size());
    path.append(lib).append(folder).append(name.view()).append(extension);
    return Ktx_String(std::move(path));
}

Acad::ErrorStatus VnStandardsSpread::loadStandard(const Ktx_String& name) {
    return loadStandardFile(standardFilePath(name));
}

Acad::ErrorStatus VnStandardsSpread::loadStandardFile(const Ktx_String& path) {
    HWND grid = gridWindow();
    SSSetBool(grid, 13, true);
    SSSetBool(grid, SSB_REDRAW, false);
    SSSetBool(grid, 12, true);
    SSSetBool(grid, SSB_AUTOCALC, false);
    calcIndex_.reset();
    variablesFormatted_ = false;
    variableTextsKept_ = false;
    loaded_.reset();
    calcPlan_.reset();
    calcPlanStale_ = false;
    replayed_.reset();
    recording_.reset();
    std::string hostPath;
    HostFileStamp stamp;
    // The stamp is taken before reading: a later change is then seen as a change.
    const bool stamped = vnHostPathAndStamp(path, hostPath, stamp);
    if (!SSLoadFromFile(grid, hostPath.c_str())) return Acad::eInvalidInput;
    if (stamped) loaded_ = LoadedFile{std::move(hostPath), stamp};
    fileName = path;
    return Acad::eOk;
}

Acad::ErrorStatus VnStandardsSpread::replaceGenVars() {
    replayed_.reset();
    recording_.reset();
    if (generalVariableCount() == 0) {
        // Nothing to replace; the Calc cells' equations are still taken as the last
        // calculation of the plan worked them out.
        if (calcPlan_) keepPlanEquations(*calcPlan_);
        return Acad::eOk;
    }
    // With the load's plan only the cells that can hold a text are read; the rest are empty.
    if (calcPlan_) {
        replaceGenVarsByPlan(*calcPlan_);
        return Acad::eOk;
    }
    const VnStandardsCalcNames names = generalVariableNames();
    const int maxCols = getMaxCols();
    const int maxRows = getMaxRows();
    for (int row = 1; row <= maxRows; ++row)
        for (int col = 1; col <= maxCols; ++col) replaceGenVarsIn(names, col, row);
    return Acad::eOk;
}

void VnStandardsSpread::replaceGenVarsIn(const VnStandardsCalcNames& names, int col, int row) {
    Ktx_String text;
    std::string replaced;
    if (!getCellText(col, row, text, CellTextKind::Value) || text.isEmpty()) return;
    if (!names.apply(text.view(), replaced)) return;
    if (text == "Calc" || replaced == "Calc") calcPlanStale_ = true;
    variableTextsKept_ = false;
    setCellText(col, row, Ktx_String(std::move(replaced)));
}

const VnStandardsCalcIndex& VnStandardsSpread::calcIndex() {
    if (!calcIndex_ || calcIndex_->size() != varCells.length()) {
        VnCalcLap lap(gCalcCellGetVarCoords, fileName);
        calcIndex_ = VnStandardsCalcIndex::of(varCells, lastCalcIndex_);
        lastCalcIndex_ = calcIndex_;
        lap.done();
    }
    return *calcIndex_;
}

// Duplicate names (letter case folded) are found with a hash set; the message lists each
// duplicated name once, and the later declarations are removed from the highest index down.
Acad::ErrorStatus VnStandardsSpread::removeDuplicateVarCells() {
    if (calcIndex().namesUnique()) return Acad::eOk;
    std::unordered_set<std::string> seen;
    std::unordered_set<std::string> reported;
    std::vector<int> duplicates;
    Ktx_StringArray names;
    for (int i = 0; i < varCells.length(); ++i) {
        const std::string key = VnStandardsCalcIndex::foldedKey(varCells[i].name);
        if (seen.insert(key).second) continue;
        duplicates.push_back(i);
        if (reported.insert(key).second) names.append(varCells[i].name);
    }
    if (duplicates.empty()) return Acad::eOk;
    const Ktx_String text = "There were duplicate variable names found in the standards file " +
                            fileName +
                            ".\nThe duplicates will be ignored. Please correct this file.\n" +
                            "Duplicate variable names:\n\n" + arrToStr(names, "\n");
    vnShowExclamationOver(gridWindow(), text, "Variable names must be unique");
    for (auto it = duplicates.rbegin(); it != duplicates.rend(); ++it) varCells.removeAt(*it);
    return Acad::eOk;
}

namespace {

// The sheet in the evaluation trace, if one is kept, for the length of one calculation.
class TracedSheet {
  public:
    explicit TracedSheet(const VnStandardsSpread& sheet) {
        VnEvalTrace::sheetStarted(sheet.fileName.str(), sheet.varCells, sheet.genVarNames,
                                  sheet.genVarValues);
    }
    ~TracedSheet() { VnEvalTrace::sheetEnded(); }
    TracedSheet(const TracedSheet&) = delete;
    TracedSheet& operator=(const TracedSheet&) = delete;
};

}  // namespace

Acad::ErrorStatus VnStandardsSpread::calcAll() {
    const std::shared_ptr<const CalcPlan> plan = takeCalcPlan();
    VnCalcLap registering(gRegisterFuntions, fileName);
    VnSSFunctions::registerAll(gridWindow());
    registering.done();
    VnCalcLap duplicates(gFindDuplicates, fileName);
    calcIndex_.reset();  // the variables may have changed since the last calculation
    removeDuplicateVarCells();
    duplicates.done();
    const TracedSheet traced(*this);
    VnCalcLap cells(gCalcCells, fileName);
    const int start = plan ? plan->start : findSectionStart("Calc");
    if (start < 0) return Acad::eInvalidInput;
    calcStart_ = start;
    if (plan) {
        calcCellsByPlan(*plan);
    } else {
        calcCells(start);
    }
    cells.done();
    return Acad::eOk;
}

// The Calc cells the load found; a text known from the plan is not read again.
void VnStandardsSpread::calcCellsByPlan(const CalcPlan& plan) {
    Ktx_String text;
    for (size_t k = 0; k < plan.cells.size(); ++k) {
        const auto [col, row] = plan.cells[k];
        const std::optional<std::string_view> known = knownCalcText(plan, k);
        if (known) {
            if (const std::optional<KnownEquation> eq = knownEquation(k)) {
                calcCellEquation(col, row, *known, *eq->eq, eq->facts);
                continue;
            }
            text = Ktx_String(std::string(*known));
        } else {
            if (!getCellText(col, row, text, CellTextKind::Value)) continue;
            recordCalcText(plan, k, text);
        }
        if (text.isEmpty()) continue;
        std::shared_ptr<const VnStandardsCalcIndex::Equation> eq = equationOf(text);
        calcCellEquation(col, row, text.str(), *eq, factsOf(*eq));
        recordEquation(plan, k, std::move(eq));
    }
    publishReplacedTexts(plan);
}

void VnStandardsSpread::calcCells(int start) {
    const int maxRows = getMaxRows();
    const int maxCols = getMaxCols();
    for (int row = start; row <= maxRows; ++row) {
        for (int col = 1; col <= maxCols; ++col) calcCell(col, row);
    }
}
