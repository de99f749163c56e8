// The rules of the Calc cells: equations, the names and functions of their formulas, and the
// CallChild cells with the children they call.
#include "calc_formula.h"
#include "std_linter.h"
#include "vn_ss_functions.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_calc_index.h"
#include "vn_standards_spread.h"

namespace {

const char* const kChildFunction = "CallChild";

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

bool readsDataFile(const std::string& function) {
    return function == "GETCELL" || function == "GETPROFCELL" ||
           function == "STDWIDTHWITHTOLERANCE" || function == "STDTHICKNESSWITHTOLERANCE" ||
           function == "STDSIZEWITHTOLERANCE";
}

std::string argCountText(int min, int max) {
    return min == max ? std::to_string(min) : std::to_string(min) + " to " + std::to_string(max);
}

}  // namespace

void StdLinter::calcCells(const StdSheet& s, const VnStandardsCalcIndex& index, Usage& usage) {
    for (const StdSheetCell& cell : s.calcCells) {
        Ktx_String left, expression;
        const bool plain =
            VnStandardsSpread::splitCalcText(Ktx_String(cell.text), left, expression);
        if (expression.contains(kChildFunction)) {
            childCell(s, cell, expression.str(), usage);
        } else if (!plain) {
            report_.error(shown(s.hostPath), cell.row, cell.col,
                          quoted(cell.text) + " is no equation (no \"=\"): the cell fails",
                          "no-equation");
        } else {
            plainCell(s, cell, index, usage);
        }
    }
}

void StdLinter::plainCell(const StdSheet& s, const StdSheetCell& cell,
                          const VnStandardsCalcIndex& index, Usage& usage) {
    Ktx_String left, expression;
    VnStandardsSpread::splitCalcText(Ktx_String(cell.text), left, expression);
    const int var = index.find(left);
    const std::string file = shown(s.hostPath);
    if (var < 0) {
        report_.error(
            file, cell.row, cell.col,
            "the left side " + quoted(left.str()) + " is not a declared variable: the cell fails",
            "left-undeclared");
    } else {
        usage.assigned.insert(var);
        const VnVarCell& v = (*usage.vars)[var];
        if (v.isInput())
            report_.warning(file, cell.row, cell.col,
                            "the Input " + quoted(v.name.str()) +
                                " is assigned here: the sheet uses the new value, the macro "
                                "never gets it",
                            "input-assigned");
    }
    formulaNames(s, cell, expression.str(), index, usage);
}

void StdLinter::formulaNames(const StdSheet& s, const StdSheetCell& cell,
                             const std::string& expression, const VnStandardsCalcIndex& index,
                             Usage& usage) {
    const std::string file = shown(s.hostPath);
    const CalcFormula f = readCalcFormula(expression, index);
    if (!f.parsed) {
        const bool count = f.error.rfind("wrong number of arguments", 0) == 0;
        report_.error(
            file, cell.row, cell.col,
            (count ? f.error + ": the grid refuses the formula"
                   : "the grid refuses the formula " + quoted(f.translated) + ": " + f.error),
            count ? "arg-count" : "syntax");
        return;
    }
    for (const auto& [at, var] : usage.byCell)
        if (f.reads(at.first, at.second)) usage.used.insert(var);
    unknownNames(file, cell, f.unknownNames, index, usage);
    functionCalls(s, cell, f.calls);
}

void StdLinter::unknownNames(const std::string& file, const StdSheetCell& cell,
                             const std::vector<std::string>& names,
                             const VnStandardsCalcIndex& index, const Usage& usage) {
    for (const std::string& name : names) {
        if (isGeneralVariable(name)) continue;
        const int folded = index.find(Ktx_String(name));
        const std::string hint = folded < 0 ? std::string()
                                            : " (letter case counts: the variable is " +
                                                  quoted((*usage.vars)[folded].name.str()) + ")";
        report_.error(file, cell.row, cell.col,
                      quoted(name) +
                          " is neither a declared variable, a cell reference, a function nor a "
                          "general variable: the translator passes it through and the cell "
                          "fails" +
                          hint,
                      "unknown-name");
    }
}

void StdLinter::functionCalls(const StdSheet& s, const StdSheetCell& cell,
                              const std::vector<CalcCall>& calls) {
    const std::string file = shown(s.hostPath);
    for (const CalcCall& call : calls) {
        if (call.builtin) continue;
        const VnSSFunctions::Info* info = VnSSFunctions::find(call.name.c_str());
        if (info == nullptr) {
            report_.error(file, cell.row, cell.col,
                          "unknown function " + quoted(call.name) + ": the cell fails",
                          "unknown-function");
        } else if (call.argCount < info->minArgs || call.argCount > info->maxArgs) {
            report_.error(file, cell.row, cell.col,
                          call.name + " takes " + argCountText(info->minArgs, info->maxArgs) +
                              " arguments, not " + std::to_string(call.argCount),
                          "arg-count");
        } else if (readsDataFile(call.name) && call.firstArgIsText) {
            dataFile(s, cell, call.name, call.firstArg);
        }
    }
}

void StdLinter::childCell(const StdSheet& s, const StdSheetCell& cell,
                          const std::string& expression, Usage& usage) {
    const std::string file = shown(s.hostPath);
    Ktx_StringArray pieces;
    if (!VnStandardsSpread::childCallPieces(Ktx_String(expression), kChildFunction, pieces)) {
        report_.error(file, cell.row, cell.col,
                      "CallChild needs the child's file and at least one variable in "
                      "parentheses: the cell fails",
                      "child-call");
        return;
    }
    Ktx_String path;
    const bool found = VnStandardsSpread::resolveChildFile(pieces[0], Ktx_String(s.path), path);
    if (!found)
        report_.error(file, cell.row, cell.col,
                      "CallChild: no child standard " + quoted(pieces[0].str()) +
                          " beside the standard nor in \"Connection Standards\" and its "
                          "\"Childs\", \"Data\", \"Parents\" folders",
                      "child-missing");
    std::vector<int> args;
    for (int i = 1; i < pieces.length(); ++i) {
        int index = -1;
        if (usage.vars->findVarCell(pieces[i], index) != Acad::eOk) {
            report_.error(file, cell.row, cell.col,
                          "CallChild argument " + quoted(pieces[i].str()) +
                              " is not a declared variable: the cell fails",
                          "child-argument");
            continue;
        }
        usage.used.insert(index);
        args.push_back(index);
    }
    if (!found || args.size() + 1 != static_cast<size_t>(pieces.length())) return;
    if (vnHostPath(path) == s.hostPath) {
        report_.error(file, cell.row, cell.col,
                      "CallChild calls the standard itself: the cell fails", "child-self");
        return;
    }
    const auto child = sheets_.get(path);
    if (!child->loaded) {
        report_.error(file, cell.row, cell.col,
                      "CallChild: the child " + shown(child->hostPath) + " does not load",
                      "child-missing");
        return;
    }
    childArguments(s, cell, *child, args, usage);
}

// The child's Input and Output variables in sheet order are bound to the arguments by position.
void StdLinter::childArguments(const StdSheet& s, const StdSheetCell& cell, const StdSheet& child,
                               const std::vector<int>& args, Usage& usage) {
    const std::string file = shown(s.hostPath);
    std::vector<const VnVarCell*> bound;
    for (int i = 0; i < child.variables.length(); ++i)
        if (!child.variables[i].isLocal()) bound.push_back(&child.variables[i]);
    const std::string counts = "the child " + child.name() + " has " +
                               std::to_string(bound.size()) +
                               " Input and Output variables, the CallChild gives " +
                               std::to_string(args.size()) + " arguments";
    if (bound.size() > args.size())
        report_.error(file, cell.row, cell.col, counts + ": the child's evaluation fails",
                      "child-arguments");
    else if (bound.size() < args.size())
        report_.warning(file, cell.row, cell.col, counts + ": the surplus ones are ignored",
                        "child-arguments");
    for (size_t j = 0; j < std::min(bound.size(), args.size()); ++j) {
        const VnVarCell& parent = (*usage.vars)[args[j]];
        if ((parent.valueType == VnValueString) != (bound[j]->valueType == VnValueString))
            report_.warning(file, cell.row, cell.col,
                            "the argument " + quoted(parent.name.str()) + " is " +
                                (parent.valueType == VnValueString ? "a text" : "a number") +
                                ", the child's " + quoted(bound[j]->name.str()) + " is " +
                                (bound[j]->valueType == VnValueString ? "a text" : "a number"),
                            "child-argument-type");
        if (!bound[j]->isOutput()) continue;
        const std::string pair = quoted(parent.name.str()) + " is bound to the child's Output " +
                                 quoted(bound[j]->name.str());
        if (parent.isInput())
            report_.error(file, cell.row, cell.col,
                          "the Input " + pair + ": the child's evaluation fails",
                          "child-output-to-input");
        else if (parent.isLocal())
            report_.warning(file, cell.row, cell.col,
                            "the Local " + pair +
                                ", but Locals pass values in only: it keeps "
                                "its value",
                            "child-output-to-local");
        else
            usage.assigned.insert(args[j]);
    }
}
