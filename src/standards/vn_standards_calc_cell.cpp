// Calculating one Calc cell: the left variable, the translation of variable names into cell
// coordinates, and the equation-error message.
#include "calc_timers.h"
#include "string_helpers.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_calc_index.h"
#include "vn_standards_dlg_nesting.h"
#include "vn_standards_spread.h"

namespace {

const char* const kChildFunction = "CallChild";

Ktx_String stripped(Ktx_String text) {
    return stripSymbols(text, ' ', true, true);
}

// A grid error value ("#VALUE!", "#NAME?" ...) as the value text of a calculated cell.
bool isErrorValue(const Ktx_String& value) {
    static const char* const errors[] = {"#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#N/A", "#NUM!"};
    for (const char* e : errors)
        if (value == e) return true;
    return false;
}

}  // namespace

void VnStandardsSpread::equationError(const Ktx_String& left, const Ktx_String& expression,
                                      int row) const {
    if (!vnSpreadsheetMessagesOn() || !VnStandardsNesting::showsErrors()) return;
    Ktx_String text = "The following equation failed:\n";
    if (!left.isEmpty()) text += left + " = ";
    text += expression + "\n" + "Spreadsheet : " + fileName + " (line: " + Ktx_String(row) + ")\n" +
            "Here's a tip for finding the cause :\n" +
            "If this equation contains variable names, then the translator does not know the "
            "value of the variable. Make sure the variable exists either in input, output, "
            "local declarations or among the gen_ variables.";
    vnShowExclamation(text);
}

Acad::ErrorStatus VnStandardsSpread::calcCell(int col, int row) {
    Ktx_String text;
    if (!getCellText(col, row, text, CellTextKind::Value) || text.isEmpty())
        return Acad::eInvalidInput;

    gCalcCellSplitSymbol.start();
    Ktx_String left;
    Ktx_String expression;
    bool plain = splitString(text, "=", left, expression, false);
    if (plain) {
        left = stripped(left);
        expression = stripped(expression);
    } else {
        left.clear();
        expression = text;
    }
    gCalcCellSplitSymbol.end();

    gCalcCellFindVarCell.start();
    const int var = plain ? calcIndex().find(left) : -1;
    if (var < 0) plain = false;
    gCalcCellFindVarCell.end();

    gCalcCellFindFunctions.start();
    const bool callsChild = expression.contains(kChildFunction);
    if (!callsChild && !plain) {
        equationError(left, expression, row);
        return Acad::eInvalidInput;
    }
    gCalcCellFindFunctions.end();

    if (callsChild) {
        gCalcCellCalcNativeFunctions.start();
        if (callChild(expression, kChildFunction) != Acad::eOk) {
            equationError(left, expression, row);
            return Acad::eInvalidInput;
        }
        gCalcCellCalcNativeFunctions.end();
        return Acad::eOk;
    }

    gCalcCellCalcFunctionsPrepare.start();
    if (varCells[var].valueType == VnValueString) {
        setEditTypeCell(col, row);
    } else {
        setNumberTypeCell(col, row, 7, false);
    }
    gCalcCellGetVarNames.start();
    const VnStandardsCalcIndex& index = calcIndex();
    gCalcCellGetVarNames.end();
    gCalcCellReplaceVariables.start();
    std::string formula;
    index.coordinates().apply(expression.view(), formula);
    gCalcCellReplaceVariables.end();
    if (!setCellFormula(col, row, Ktx_String(std::move(formula)))) {
        equationError(left, expression, row);
        return Acad::eInvalidInput;
    }
    gCalcCellCalcFunctionsPrepare.end();

    gCalcCellCalcFunctions.start();
    Ktx_String value;
    if (!getCellText(col, row, value, CellTextKind::Value) || isErrorValue(value) ||
        varCells[var].setNewValue(*this, value) != Acad::eOk) {
        equationError(left, expression, row);
        return Acad::eInvalidInput;
    }
    gCalcCellCalcFunctions.end();
    return Acad::eOk;
}
