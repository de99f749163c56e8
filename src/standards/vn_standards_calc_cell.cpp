// Calculating one Calc cell: the left variable, the translation of variable names into cell
// coordinates, and the equation-error message.
#include <string_view>

#include "calc_timers.h"
#include "ss_functions.h"
#include "string_helpers.h"
#include "vn_calc_lap.h"
#include "vn_eval_report.h"
#include "vn_eval_trace.h"
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
    static constexpr std::string_view errors[] = {"#DIV/0!", "#VALUE!", "#REF!",
                                                  "#NAME?",  "#N/A",    "#NUM!"};
    const std::string_view text = value.view();
    if (text.empty() || text.front() != '#') return false;  // the usual case: a number
    for (std::string_view e : errors)
        if (text == e) return true;
    return false;
}

// The cell in the evaluation trace, if one is kept: started with its text, ended as failed
// on every path that does not end it with a value.
class TracedCell {
  public:
    TracedCell(int col, int row, std::string_view text) {
        VnEvalTrace::cellStarted(col, row, text);
    }
    ~TracedCell() {
        if (!ended_) VnEvalTrace::cellEnded(false, std::string());
    }
    TracedCell(const TracedCell&) = delete;
    TracedCell& operator=(const TracedCell&) = delete;
    void done(const Ktx_String& value) {
        VnEvalTrace::cellEnded(true, value.str());
        ended_ = true;
    }

  private:
    bool ended_ = false;
};

}  // namespace

void VnStandardsSpread::equationError(const Ktx_String& left, const Ktx_String& expression, int col,
                                      int row, bool childCall) const {
    Ktx_String equation;
    if (!left.isEmpty()) equation += left + " = ";
    equation += expression;
    VnEvalReport::cellFailed(
        {fileName.str(), col, row, equation.str(), childCall, VnStandardsNesting::depth()});
    if (!vnSpreadsheetMessagesOn() || !VnStandardsNesting::showsErrors()) return;
    const Ktx_String text =
        "The following equation failed:\n" + equation + "\n" + "Spreadsheet : " + fileName +
        " (line: " + Ktx_String(row) + ")\n" + "Here's a tip for finding the cause :\n" +
        "If this equation contains variable names, then the translator does not know the "
        "value of the variable. Make sure the variable exists either in input, output, "
        "local declarations or among the gen_ variables.";
    vnShowExclamation(text);
}

bool VnStandardsSpread::splitCalcText(const Ktx_String& text, Ktx_String& left,
                                      Ktx_String& expression) {
    const bool plain = splitString(text, "=", left, expression, false);
    if (plain) {
        left = stripped(left);
        expression = stripped(expression);
    } else {
        left.clear();
        expression = text;
    }
    return plain;
}

// The equation of a Calc cell's text, worked out under the current index the first time the
// text is met (each step under its timer) and taken as it was kept afterwards.
std::shared_ptr<const VnStandardsCalcIndex::Equation> VnStandardsSpread::equationOf(
    const Ktx_String& text) {
    const VnStandardsCalcIndex& index = calcIndex();
    if (auto known = index.known(text)) return known;
    VnStandardsCalcIndex::Equation eq;
    VnCalcLap split(gCalcCellSplitSymbol, fileName);
    const bool plain = splitCalcText(text, eq.left, eq.expression);
    split.done();
    VnCalcLap find(gCalcCellFindVarCell, fileName);
    if (plain) eq.var = index.find(eq.left);
    find.done();
    eq.callsChild = eq.expression.contains(kChildFunction);
    if (eq.callsChild && !childCallPieces(eq.expression, kChildFunction, eq.childPieces))
        eq.childPieces.setLogicalLength(0);
    for (int i = 1; i < eq.childPieces.length(); ++i)
        eq.childArgs.push_back(index.find(eq.childPieces[i]));
    if (eq.var >= 0 && !eq.callsChild) {
        VnCalcLap names(gCalcCellGetVarNames, fileName);
        names.done();
        VnCalcLap replace(gCalcCellReplaceVariables, fileName);
        index.coordinates().apply(eq.expression.view(), eq.formula);
        replace.done();
    }
    return index.remember(text, std::move(eq));
}

Acad::ErrorStatus VnStandardsSpread::calcCell(int col, int row) {
    Ktx_String text;
    if (!getCellText(col, row, text, CellTextKind::Value) || text.isEmpty())
        return Acad::eInvalidInput;
    const std::shared_ptr<const VnStandardsCalcIndex::Equation> eq = equationOf(text);
    return calcCellEquation(col, row, text.str(), *eq, factsOf(*eq));
}

Acad::ErrorStatus VnStandardsSpread::calcCellEquation(int col, int row, std::string_view text,
                                                      const VnStandardsCalcIndex::Equation& eq,
                                                      const EquationFacts& facts) {
    TracedCell traced(col, row, text);
    const bool callsChild = facts.callsChild;
    {
        VnCalcLap lap(gCalcCellFindFunctions, fileName);
        VnEvalTrace::cellEquation(eq.left.str(), eq.expression.str(), callsChild);
        if (!callsChild && facts.var < 0) {
            equationError(eq.left, eq.expression, col, row, false);
            return Acad::eInvalidInput;
        }
        lap.done();
    }
    if (callsChild) {
        VnCalcLap lap(gCalcCellCalcNativeFunctions, fileName);
        if (callChild(eq.childPieces, eq.childArgs) != Acad::eOk) {
            equationError(eq.left, eq.expression, col, row, true);
            return Acad::eInvalidInput;
        }
        lap.done();
        traced.done(facts.var >= 0 ? varCells[facts.var].value : Ktx_String());
        return Acad::eOk;
    }
    if (!setTranslatedFormula(col, row, facts) || !takeCalculatedValue(col, row, facts.var)) {
        equationError(eq.left, eq.expression, col, row, false);
        return Acad::eInvalidInput;
    }
    traced.done(varCells[facts.var].value);
    return Acad::eOk;
}

bool VnStandardsSpread::setTranslatedFormula(int col, int row, const EquationFacts& facts) {
    VnCalcLap lap(gCalcCellCalcFunctionsPrepare, fileName);
    if (varCells[facts.var].valueType == VnValueString) {
        setEditTypeCell(col, row);
    } else {
        setNumberTypeCell(col, row, 7, false);
    }
    VnEvalTrace::cellFormula(facts.formula);
    if (!SSSetFormula(gridWindow(), col, row, facts.formula.data(), true)) return false;
    lap.done();
    return true;
}

Acad::ErrorStatus VnStandardsSpread::writeVariable(int var, const Ktx_String& value) {
    VnVarCell& cell = varCells[var];
    // A variable's cell above the Calc cells still has the format its values went in with:
    // setting it again would change nothing, so only the value is written.
    const bool formatted = variablesFormatted_ && cell.row > 0 && cell.row < calcStart_;
    // Such a cell holds the text it was last given, the variable's value: the same text again
    // would change nothing (a child gives back the arguments it only read).
    if (formatted && variableTextsKept_ && cell.value == value) return Acad::eOk;
    return formatted ? cell.setNewValueInFormat(*this, value) : cell.setNewValue(*this, value);
}

bool VnStandardsSpread::takeCalculatedValue(int col, int row, int var) {
    VnCalcLap lap(gCalcCellCalcFunctions, fileName);
    Ktx_String value;
    if (!getCellText(col, row, value, CellTextKind::Value) || isErrorValue(value)) return false;
    if (writeVariable(var, value) != Acad::eOk) return false;
    lap.done();
    return true;
}
