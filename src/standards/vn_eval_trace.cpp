#include "vn_eval_trace.h"

#include "ktx_string_array.h"
#include "vn_standards_dlg_nesting.h"
#include "vn_var_cells.h"

namespace {

VnEvalTrace*& currentTrace() {
    static VnEvalTrace* trace = nullptr;
    return trace;
}

}  // namespace

VnEvalTrace::Scope::Scope(VnEvalTrace& trace) : previous_(currentTrace()) {
    currentTrace() = &trace;
}

VnEvalTrace::Scope::~Scope() {
    currentTrace() = previous_;
}

VnEvalTrace* VnEvalTrace::current() {
    return currentTrace();
}

VnEvalTrace::Cell* VnEvalTrace::openCell() {
    if (openSheets_.empty() || openCells_.back() < 0) return nullptr;
    return &sheets[static_cast<size_t>(openSheets_.back())]
                .cells[static_cast<size_t>(openCells_.back())];
}

void VnEvalTrace::sheetStarted(const std::string& file, const VnVarCells& variables,
                               const Ktx_StringArray& genVarNames,
                               const Ktx_StringArray& genVarValues) {
    VnEvalTrace* t = current();
    if (!t) return;
    Sheet sheet;
    sheet.file = file;
    sheet.depth = VnStandardsNesting::depth();
    for (int i = 0; i < variables.length(); ++i) {
        const VnVarCell& v = variables[i];
        sheet.variables.push_back({v.name.str(), static_cast<int>(v.cellType),
                                   static_cast<int>(v.valueType), v.value.str(), v.col, v.row});
    }
    for (int i = 0; i < genVarNames.length() && i < genVarValues.length(); ++i)
        sheet.generalVariables.emplace_back(genVarNames[i].str(), genVarValues[i].str());
    const int index = static_cast<int>(t->sheets.size());
    if (Cell* caller = t->openCell()) {
        sheet.parentSheet = t->openSheets_.back();
        sheet.parentCell = t->openCells_.back();
        caller->childSheet = index;
    }
    t->sheets.push_back(std::move(sheet));
    t->openSheets_.push_back(index);
    t->openCells_.push_back(-1);
}

void VnEvalTrace::sheetEnded() {
    VnEvalTrace* t = current();
    if (!t || t->openSheets_.empty()) return;
    t->openSheets_.pop_back();
    t->openCells_.pop_back();
}

void VnEvalTrace::cellStarted(int col, int row, const std::string& text) {
    VnEvalTrace* t = current();
    if (!t || t->openSheets_.empty()) return;
    Sheet& sheet = t->sheets[static_cast<size_t>(t->openSheets_.back())];
    Cell cell;
    cell.col = col;
    cell.row = row;
    cell.text = text;
    sheet.cells.push_back(std::move(cell));
    t->openCells_.back() = static_cast<int>(sheet.cells.size()) - 1;
}

void VnEvalTrace::cellEquation(const std::string& left, const std::string& expression,
                               bool childCall) {
    VnEvalTrace* t = current();
    Cell* cell = t ? t->openCell() : nullptr;
    if (!cell) return;
    cell->left = left;
    cell->expression = expression;
    cell->childCall = childCall;
}

void VnEvalTrace::cellFormula(const std::string& formula) {
    VnEvalTrace* t = current();
    if (Cell* cell = t ? t->openCell() : nullptr) cell->formula = formula;
}

void VnEvalTrace::cellEnded(bool ok, const std::string& value) {
    VnEvalTrace* t = current();
    Cell* cell = t ? t->openCell() : nullptr;
    if (!cell) return;
    cell->ok = ok;
    cell->value = value;
    t->openCells_.back() = -1;
}

void VnEvalTrace::choiceMade(const Choice& choice) {
    VnEvalTrace* t = current();
    if (Cell* cell = t ? t->openCell() : nullptr) cell->choices.push_back(choice);
}
