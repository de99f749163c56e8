#pragma once
// The tree of what made each Output of an evaluation, built from the evaluation's trace
// (vn_eval_trace.h): for a variable, the Calc cell that gave it its value (its row, text and
// translated formula, and what the engineering functions chose in it), and under it every
// variable the cell read, with its value and where that came from in turn: another Calc cell,
// a child standard's Output, the argument a child was given, the macro property the mapping
// names, or nothing (a Local no cell assigns). General variables replaced in a cell are
// listed with it.
#include <string>
#include <vector>

#include "std_sheet.h"
#include "vn_eval_trace.h"

struct ExplainNode {
    std::string name;
    std::string section;  // "Input", "Output", "Local", or "general" for a general variable
    std::string type;     // "Int", "Double", "String" ("" for a general variable)
    std::string value;
    std::string origin;    // "cell", "child", "argument", "macro", "general", "none"
    std::string from;      // where from, in words (the mapping, the child, the argument ...)
    std::string file;      // the standard whose variable it is (host path)
    int row = 0, col = 0;  // the Calc cell (origin "cell" and "child")
    std::string text;      // its text
    std::string formula;   // its translated formula
    std::vector<VnEvalTrace::Choice> choices;
    bool repeated = false;  // explained earlier in the tree: not expanded again
    std::vector<ExplainNode> uses;
};

// Says where an Input or Output of the outermost standard comes from in the macro (the
// mapping's property, or the module path); empty when nothing is known.
using ExplainMacroSource = std::string (*)(const std::string& name, int type, const void* context);

class ExplainTree {
  public:
    ExplainTree(const VnEvalTrace& trace, ExplainMacroSource macroSource, const void* context);
    // The trees of the outermost standard's Outputs (those named in `only`, letter case
    // folded; every Output when empty), in declaration order. Names in `only` that are no
    // Output are returned in `unknown`.
    std::vector<ExplainNode> outputs(const std::vector<std::string>& only,
                                     std::vector<std::string>& unknown);

  private:
    ExplainNode variable(int sheet, const std::string& name, int beforeCell, int depth);
    void fromCell(ExplainNode& node, int sheet, int cell, int depth);
    void fromChild(ExplainNode& node, int sheet, int cell, int depth);
    void fromArgument(ExplainNode& node, int sheet, int depth);
    // The cell of `sheet` before `beforeCell` that last set the variable; -1 when none.
    int assigningCell(int sheet, const std::string& name, int beforeCell, int& childVar);

    // The text of a Calc cell as the standard's file holds it (before general variables were
    // replaced); empty when unknown.
    std::string originalText(const std::string& file, int col, int row);

    const VnEvalTrace& trace_;
    StdSheetCache sheets_;
    ExplainMacroSource macroSource_;
    const void* context_;
    std::vector<std::string> expanded_;
};

// Prints trees as indented text lines.
void printExplainText(std::FILE* out, const std::vector<ExplainNode>& trees);
// Prints trees as one JSON object {"outputs": [...]} (see docs/authoring-standards.md).
void printExplainJson(std::FILE* out, const std::vector<ExplainNode>& trees);
