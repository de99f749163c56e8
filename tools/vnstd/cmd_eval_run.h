#pragma once
// One evaluation of a standard for a macro file, as "vnstd eval" runs it: the macro is read,
// evaluated through StartDlgStandardsSS, and (when asked) written back atomically.
#include <string>
#include <vector>

#include "cmd_eval_options.h"

struct EvalVariable {
    std::string section;  // "Input", "Output" or "Local"
    std::string name;
    std::string type;  // "Int", "Double" or "String"
    std::string before;
    std::string after;
};

struct EvalResult {
    bool ok = false;
    std::string reason;  // why it failed (empty on success)
    std::vector<EvalVariable> variables;
    std::vector<std::string> warnings;  // what the engine showed in message boxes
};

// Evaluates options.standard for one macro file. Never throws; the reason says what failed.
EvalResult evaluateMacroFile(const EvalOptions& options, const std::string& macroFile);
