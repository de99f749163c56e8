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
    std::vector<std::string> warnings;  // what went wrong without failing (cmd_eval_findings.h)
    bool written = false;               // --write changed the macro file
};

// Evaluates options.standard for one macro file, with the macro's general variables
// (eval_general_vars.h). Never throws. Fails (with a reason saying what failed) when the macro
// file cannot be read, the standard does not exist, the mapping file has no line for the key
// or the macro has no such module group, the evaluation fails (the reason names the step),
// --strict finds a variable that could not be retrieved or set, or --write refuses (outputs
// computed from missing inputs, without --force) or cannot store the file. The macro file is
// written only after a successful evaluation, and only when its text changes, so a failure
// leaves it as it was. The 25 evaluation timers are reset first and hold this evaluation's
// figures afterwards. With kOutcome the variables are not gathered (a folder run prints only
// whether each file failed, and why).
enum class EvalDetail { kVariables, kOutcome };
EvalResult evaluateMacroFile(const EvalOptions& options, const std::string& macroFile,
                             EvalDetail detail = EvalDetail::kVariables);
