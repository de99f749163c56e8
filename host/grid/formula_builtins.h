// The built-in functions of the formula language: a table by name, each with its argument
// counts and the routine that computes it from evaluated arguments (formula_eval.h).
#pragma once

#include <string_view>

struct EvalValue;
class FormulaEvaluator;

using BuiltinFunction = void (*)(FormulaEvaluator& ev, EvalValue* args, int argc, EvalValue& out);

struct BuiltinInfo {
    std::string_view name;  // upper case
    int minArgs;
    int maxArgs;
    BuiltinFunction fn;
};

// Index of the function named `upperName`, -1 when there is none.
int findBuiltin(std::string_view upperName);
const BuiltinInfo& builtinAt(int index);  // 0 <= index < builtinCount()
int builtinCount();
