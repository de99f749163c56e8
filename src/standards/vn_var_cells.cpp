#include "vn_var_cells.h"

#include <utility>

#include "calc_timers.h"
#include "ktx_spread.h"
#include "vn_calc_lap.h"
#include "vn_dlg_standards_data.h"
#include "vn_eval_report.h"
#include "vn_macro_pass.h"
#include "vn_ss_functions_host.h"

void VnVarCells::append(const VnVarCell& cell) {
    cells_.push_back(cell);
}

void VnVarCells::append(VnVarCell&& cell) {
    cells_.push_back(std::move(cell));
}

Acad::ErrorStatus VnVarCells::removeAt(int i) {
    if (i < 0 || i >= length()) {
        acutPrintf("*Error* Invalid index passed to remove.\n");
        return Acad::eInvalidInput;
    }
    cells_.erase(cells_.begin() + i);
    return Acad::eOk;
}

Acad::ErrorStatus VnVarCells::findVarCell(const Ktx_String& name, int& index) const {
    for (int i = 0; i < length(); ++i) {
        const Ktx_String& own = (*this)[i].name;
        if (own.length() != name.length() || !own.equal(name, false)) continue;
        index = i;
        return Acad::eOk;
    }
    return Acad::eInvalidInput;
}

bool VnVarCells::hasSameInput(const VnVarCells& other) const {
    for (int i = 0; i < length(); ++i) {
        const VnVarCell& cell = (*this)[i];
        if (!cell.isInput()) continue;
        int j = -1;
        if (other.findVarCell(cell.name, j) != Acad::eOk) return false;
        if (other[j].valueType != cell.valueType || !other[j].value.equal(cell.value, false))
            return false;
    }
    return true;
}

Acad::ErrorStatus VnVarCells::getFromMacro(VnDlgStandardsData& data) {
    VnCalcLap mappingLap(gInitMapping, data.fileName);
    Acad::ErrorStatus es = Acad::eOk;
    if (!data.moduleName.isEmpty())
        es = mapping_.initFromModuleGroup(data.moduleName);
    else if (!data.macro)
        return Acad::eInvalidInput;
    else
        es = mapping_.initFromMacro(data);
    if (es != Acad::eOk) return Acad::eOk;
    mappingLap.done();
    VnCalcLap valuesLap(gInitFromMacro, data.fileName);
    VnMacroPass& pass = pass_;
    pass.restart();
    for (int i = 0; i < length(); ++i) {
        VnVarCell& cell = cells_[static_cast<size_t>(i)];
        pass.slot = i;
        if (cell.isLocal()) {
            cell.setNewValue(Ktx_String());
            continue;
        }
        if (cell.setValueFromMacro(mapping_, data, &pass) == Acad::eOk) continue;
        // An Output that cannot be read is reported when it cannot be written either.
        if (cell.isInput())
            VnEvalReport::variableFailed(cell.name.str(), true, data.fileName.str());
        if (vnSpreadsheetMessagesOn())
            vnShowExclamation(variableRetrievalMessage(cell, data.fileName));
    }
    valuesLap.done();
    return Acad::eOk;
}

Acad::ErrorStatus VnVarCells::setToMacro(VnDlgStandardsData& data, VnMacroShape shape) {
    VnMacroPass& pass = pass_;
    pass.startOver(shape);
    for (int i = 0; i < length(); ++i) {
        VnVarCell& cell = cells_[static_cast<size_t>(i)];
        pass.slot = i;
        if (cell.isOutput() && cell.setValueToMacro(mapping_, data, &pass) != Acad::eOk)
            VnEvalReport::variableFailed(cell.name.str(), false, data.fileName.str());
    }
    return Acad::eOk;
}

Acad::ErrorStatus VnVarCells::getValuesFromSS(Ktx_Spread& ss) {
    // Each text is read into the room the previous cell's old value leaves, then traded in.
    Ktx_String text;
    for (VnVarCell& cell : cells_) {
        if (!cell.isOutput()) continue;
        if (cell.getCurrentValue(ss, text) != Acad::eOk) return Acad::eInvalidInput;
        std::swap(cell.value, text);
    }
    return Acad::eOk;
}

Acad::ErrorStatus VnVarCells::setValuesToSS(Ktx_Spread& ss) {
    for (VnVarCell& cell : cells_)
        if (cell.setValueToSS(ss) != Acad::eOk) return Acad::eInvalidInput;
    return Acad::eOk;
}

Ktx_String variableRetrievalMessage(const VnVarCell& cell, const Ktx_String& fileName) {
    const bool input = cell.isInput();
    return Ktx_String("The following ") + (input ? "Input" : "Output") + " variable couldn't be " +
           (input ? "retrieved" : "set") + " : \n" + cell.name +
           "\nMake sure the variable exists in the macro or module.\n" +
           "Spreadsheet : " + fileName;
}

void dumpVarCells(const VnVarCells& cells) {
    acutPrintf("\n------------ New SS -----------------\n");
    for (int i = 0; i < cells.length(); ++i) {
        const VnVarCell& cell = cells[i];
        if (cell.isInput()) continue;
        acutPrintf("------ Varname %s (%i) -------\n", cell.name.c_str(), i);
        acutPrintf("------ Type: %i\n", static_cast<int>(cell.cellType));
        acutPrintf("------ Value: %s\n", cell.value.c_str());
        acutPrintf("-----------------------------\n");
    }
}
