#include "explain_tree.h"

#include <algorithm>

#include "calc_formula.h"
#include "cmd_eval_report.h"
#include "ktx_string_array.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_calc_names.h"
#include "vn_standards_spread.h"

namespace {

const char* const kSections[3] = {"Input", "Output", "Local"};
const char* const kTypes[3] = {"Int", "Double", "String"};
constexpr int kMaxDepth = 64;

bool sameName(const std::string& a, const std::string& b) {
    return Ktx_String(a).equal(Ktx_String(b), false);
}

const VnEvalTrace::Variable* findVariable(const VnEvalTrace::Sheet& s, const std::string& name) {
    for (const auto& v : s.variables)
        if (sameName(v.name, name)) return &v;
    return nullptr;
}

// The arguments of a CallChild cell (the variable names after the child's file).
std::vector<std::string> childArguments(const VnEvalTrace::Cell& cell) {
    Ktx_StringArray pieces;
    std::vector<std::string> args;
    if (!VnStandardsSpread::childCallPieces(Ktx_String(cell.expression), "CallChild", pieces))
        return args;
    for (int i = 1; i < pieces.length(); ++i) args.push_back(pieces[i].str());
    return args;
}

// The child's Input and Output variables, in the order they are bound to the arguments.
std::vector<const VnEvalTrace::Variable*> boundVariables(const VnEvalTrace::Sheet& child) {
    std::vector<const VnEvalTrace::Variable*> bound;
    for (const auto& v : child.variables)
        if (v.section != 2) bound.push_back(&v);
    return bound;
}

std::string fileName(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// The names of the variables whose cells a translated formula reads, in declaration order.
std::vector<std::string> variablesRead(const VnEvalTrace::Sheet& s, const std::string& expression) {
    VnVarCells cells;
    for (const auto& v : s.variables) {
        VnVarCell c;
        c.name = v.name;
        c.col = v.col;
        c.row = v.row;
        cells.append(c);
    }
    const CalcFormula f = readCalcFormula(expression, *VnStandardsCalcIndex::of(cells));
    std::vector<std::string> names;
    for (const auto& v : s.variables)
        if (f.reads(v.col, v.row)) names.push_back(v.name);
    return names;
}

}  // namespace

ExplainTree::ExplainTree(const VnEvalTrace& trace, ExplainMacroSource macroSource,
                         const void* context)
    : trace_(trace), macroSource_(macroSource), context_(context) {}

std::vector<ExplainNode> ExplainTree::outputs(const std::vector<std::string>& only,
                                              std::vector<std::string>& unknown) {
    std::vector<ExplainNode> trees;
    unknown.clear();
    if (trace_.sheets.empty()) {
        unknown = only;
        return trees;
    }
    const VnEvalTrace::Sheet& top = trace_.sheets[0];
    for (const std::string& name : only) {
        const VnEvalTrace::Variable* v = findVariable(top, name);
        if (!v || v->section != 1) unknown.push_back(name);
    }
    for (const auto& v : top.variables) {
        if (v.section != 1) continue;
        const bool wanted = only.empty() || std::any_of(only.begin(), only.end(), [&](auto& n) {
                                return sameName(n, v.name);
                            });
        if (wanted) trees.push_back(variable(0, v.name, static_cast<int>(top.cells.size()), 0));
    }
    return trees;
}

ExplainNode ExplainTree::variable(int sheet, const std::string& name, int beforeCell, int depth) {
    const VnEvalTrace::Sheet& s = trace_.sheets[static_cast<size_t>(sheet)];
    ExplainNode node;
    node.name = name;
    node.file = vnHostPath(Ktx_String(s.file));
    node.origin = "none";
    const VnEvalTrace::Variable* v = findVariable(s, name);
    if (v) {
        node.section = kSections[v->section];
        node.type = kTypes[v->type];
        node.value = v->value;
    }
    const std::string key = std::to_string(sheet) + "|" + Ktx_String(name).toLower().str() + "|" +
                            std::to_string(beforeCell);
    if (depth > kMaxDepth || std::find(expanded_.begin(), expanded_.end(), key) != expanded_.end())
        node.repeated = true;
    int childVar = -1;
    const int cell = assigningCell(sheet, name, beforeCell, childVar);
    if (cell >= 0) {
        node.value = s.cells[static_cast<size_t>(cell)].value;
        node.origin = childVar < 0 ? "cell" : "child";
    } else if (v && v->section != 2) {
        node.origin = s.parentSheet >= 0 ? "argument" : "macro";
        if (s.parentSheet < 0 && macroSource_) node.from = macroSource_(name, v->type, context_);
    } else {
        node.from = v ? "no Calc cell assigns it" : "no such variable";
    }
    if (node.repeated) return node;
    expanded_.push_back(key);
    if (node.origin == "cell") fromCell(node, sheet, cell, depth);
    if (node.origin == "child") fromChild(node, sheet, cell, depth);
    if (node.origin == "argument") fromArgument(node, sheet, depth);
    return node;
}

int ExplainTree::assigningCell(int sheet, const std::string& name, int beforeCell, int& childVar) {
    const VnEvalTrace::Sheet& s = trace_.sheets[static_cast<size_t>(sheet)];
    childVar = -1;
    const VnEvalTrace::Variable* v = findVariable(s, name);
    for (int i = std::min(beforeCell, static_cast<int>(s.cells.size())) - 1; i >= 0; --i) {
        const VnEvalTrace::Cell& c = s.cells[static_cast<size_t>(i)];
        if (!c.ok) continue;
        if (!c.childCall) {
            if (sameName(c.left, name)) return i;
            continue;
        }
        if (c.childSheet < 0 || !v || v->section != 1) continue;  // only Outputs take values back
        const auto args = childArguments(c);
        const auto bound = boundVariables(trace_.sheets[static_cast<size_t>(c.childSheet)]);
        for (size_t j = 0; j < args.size() && j < bound.size(); ++j) {
            if (!sameName(args[j], name) || bound[j]->section != 1) continue;
            childVar = static_cast<int>(j);
            return i;
        }
    }
    return -1;
}

void ExplainTree::fromCell(ExplainNode& node, int sheet, int cell, int depth) {
    const VnEvalTrace::Sheet& s = trace_.sheets[static_cast<size_t>(sheet)];
    const VnEvalTrace::Cell& c = s.cells[static_cast<size_t>(cell)];
    node.row = c.row;
    node.col = c.col;
    node.text = c.text;
    node.formula = c.formula;
    node.choices = c.choices;
    for (const std::string& used : variablesRead(s, c.expression))
        node.uses.push_back(variable(sheet, used, cell, depth + 1));
    const std::string original = originalText(s.file, c.col, c.row);
    for (const auto& [name, value] : s.generalVariables) {
        VnStandardsCalcNames names;
        names.add(name, value);
        std::string replaced;
        if (names.apply(original, replaced)) {
            ExplainNode g;
            g.name = name;
            g.section = "general";
            g.value = value;
            g.origin = "general";
            g.from = "a general variable, replaced in the cell's text";
            node.uses.push_back(g);
        }
    }
}

void ExplainTree::fromChild(ExplainNode& node, int sheet, int cell, int depth) {
    const VnEvalTrace::Sheet& s = trace_.sheets[static_cast<size_t>(sheet)];
    const VnEvalTrace::Cell& c = s.cells[static_cast<size_t>(cell)];
    int childVar = -1;
    assigningCell(sheet, node.name, cell + 1, childVar);
    const VnEvalTrace::Sheet& child = trace_.sheets[static_cast<size_t>(c.childSheet)];
    const auto bound = boundVariables(child);
    const std::string childName = bound[static_cast<size_t>(childVar)]->name;
    node.origin = "child";
    node.row = c.row;
    node.col = c.col;
    node.text = c.text;
    node.from = "the Output '" + childName + "' of the child " + fileName(child.file);
    node.uses.push_back(
        variable(c.childSheet, childName, static_cast<int>(child.cells.size()), depth + 1));
    node.value = node.uses.back().value;
}

void ExplainTree::fromArgument(ExplainNode& node, int sheet, int depth) {
    const VnEvalTrace::Sheet& s = trace_.sheets[static_cast<size_t>(sheet)];
    const VnEvalTrace::Sheet& parent = trace_.sheets[static_cast<size_t>(s.parentSheet)];
    const VnEvalTrace::Cell& call = parent.cells[static_cast<size_t>(s.parentCell)];
    const auto bound = boundVariables(s);
    const auto args = childArguments(call);
    node.origin = "argument";
    for (size_t j = 0; j < bound.size() && j < args.size(); ++j) {
        if (!sameName(bound[j]->name, node.name)) continue;
        node.from = "the argument '" + args[j] + "' of the CallChild in " + fileName(parent.file) +
                    " (row " + std::to_string(call.row) + ")";
        node.uses.push_back(variable(s.parentSheet, args[j], s.parentCell, depth + 1));
        return;
    }
}

std::string ExplainTree::originalText(const std::string& file, int col, int row) {
    const auto sheet = sheets_.get(Ktx_String(file));
    for (const StdSheetCell& c : sheet->calcCells)
        if (c.col == col && c.row == row) return c.text;
    return std::string();
}
