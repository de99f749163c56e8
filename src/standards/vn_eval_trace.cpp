#include "vn_eval_trace.h"

#include "ktx_string_array.h"
#include "vn_standards_dlg_nesting.h"
#include "vn_var_cells.h"

VnEvalTrace::Scope::Scope(VnEvalTrace& trace) : previous_(current_) {
    current_ = &trace;
}

VnEvalTrace::Scope::~Scope() {
    current_ = previous_;
}

VnEvalTrace::Cell* VnEvalTrace::openCell() {
    if (openSheets_.empty() || openCells_.back() < 0) return nullptr;
    return &sheets[static_cast<size_t>(openSheets_.back())]
                .cells[static_cast<size_t>(openCells_.back())];
}

void VnEvalTrace::startSheet(const std::string& file, const VnVarCells& variables,
                             const Ktx_StringArray& genVarNames,
                             const Ktx_StringArray& genVarValues) {
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
    const int index = static_cast<int>(sheets.size());
    if (Cell* caller = openCell()) {
        sheet.parentSheet = openSheets_.back();
        sheet.parentCell = openCells_.back();
        caller->childSheet = index;
    }
    sheets.push_back(std::move(sheet));
    openSheets_.push_back(index);
    openCells_.push_back(-1);
}

void VnEvalTrace::endSheet() {
    if (openSheets_.empty()) return;
    openSheets_.pop_back();
    openCells_.pop_back();
}

void VnEvalTrace::startCell(int col, int row, const std::string& text) {
    if (openSheets_.empty()) return;
    Sheet& sheet = sheets[static_cast<size_t>(openSheets_.back())];
    Cell cell;
    cell.col = col;
    cell.row = row;
    cell.text = text;
    sheet.cells.push_back(std::move(cell));
    openCells_.back() = static_cast<int>(sheet.cells.size()) - 1;
}

void VnEvalTrace::setEquation(const std::string& left, const std::string& expression,
                              bool childCall) {
    Cell* cell = openCell();
    if (!cell) return;
    cell->left = left;
    cell->expression = expression;
    cell->childCall = childCall;
}

void VnEvalTrace::setFormula(const std::string& formula) {
    if (Cell* cell = openCell()) cell->formula = formula;
}

void VnEvalTrace::endCell(bool ok, const std::string& value) {
    Cell* cell = openCell();
    if (!cell) return;
    cell->ok = ok;
    cell->value = value;
    openCells_.back() = -1;
}

void VnEvalTrace::addChoice(const Choice& choice) {
    if (Cell* cell = openCell()) cell->choices.push_back(choice);
}
