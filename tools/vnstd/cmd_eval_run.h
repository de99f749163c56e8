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

// Evaluates options.standard for one macro file. Never throws. Fails (with a reason saying what
// failed) when the macro file cannot be read, the standard does not exist, the mapping file
// has no line for the key or the macro has no such module group, the evaluation fails (the
// reason names the step), or --write cannot store the file. The macro file is written only
// after a successful evaluation, so a failure leaves it as it was. The 25 evaluation timers
// are reset first and hold this evaluation's figures afterwards.
EvalResult evaluateMacroFile(const EvalOptions& options, const std::string& macroFile);
