// The routines behind the built-in functions (one file per family) and the small helpers
// they share. Each routine has the BuiltinFunction signature.
#pragma once

#include "formula_builtins.h"
#include "formula_eval.h"

#define FORMULA_FN(name) void name(FormulaEvaluator& ev, EvalValue* args, int argc, EvalValue& out)

// Reads argument i as a number into `var`, or gives the error and returns from the routine.
#define FORMULA_NUMBER_ARG(var, i)                                                     \
    double var = 0;                                                                    \
    if (FormulaError e_##var = ev.number(args[i], var); e_##var != FormulaError::None) \
    return out.setError(e_##var)

#define FORMULA_TEXT_ARG(var, i)                                                     \
    std::string var;                                                                 \
    if (FormulaError e_##var = ev.text(args[i], var); e_##var != FormulaError::None) \
    return out.setError(e_##var)

namespace formula_fn {

// Math
FORMULA_FN(abs_);
FORMULA_FN(acos_);
FORMULA_FN(asin_);
FORMULA_FN(atan_);
FORMULA_FN(atan2_);
FORMULA_FN(cos_);
FORMULA_FN(sin_);
FORMULA_FN(tan_);
FORMULA_FN(degrees);
FORMULA_FN(radians);
FORMULA_FN(pi);
FORMULA_FN(exp_);
FORMULA_FN(ln);
FORMULA_FN(log_);
FORMULA_FN(log10_);
FORMULA_FN(power);
FORMULA_FN(sqrt_);
FORMULA_FN(sign);
FORMULA_FN(int_);
FORMULA_FN(mod);
FORMULA_FN(round_);
FORMULA_FN(roundup);
FORMULA_FN(rounddown);
FORMULA_FN(trunc_);
FORMULA_FN(ceiling);
FORMULA_FN(floor_);
FORMULA_FN(even);
FORMULA_FN(odd);
// Aggregates
FORMULA_FN(min_);
FORMULA_FN(max_);
FORMULA_FN(sum);
FORMULA_FN(average);
FORMULA_FN(count);
FORMULA_FN(counta);
FORMULA_FN(product);
// Logic and information
FORMULA_FN(if_);
FORMULA_FN(and_);
FORMULA_FN(or_);
FORMULA_FN(not_);
FORMULA_FN(iferror);
FORMULA_FN(isblank);
FORMULA_FN(isnumber);
FORMULA_FN(istext);
FORMULA_FN(iserror);
FORMULA_FN(na);
FORMULA_FN(choose);
// Look-up
FORMULA_FN(index);
FORMULA_FN(match);
FORMULA_FN(vlookup);
FORMULA_FN(hlookup);
// Text
FORMULA_FN(left);
FORMULA_FN(right);
FORMULA_FN(mid);
FORMULA_FN(len);
FORMULA_FN(upper);
FORMULA_FN(lower);
FORMULA_FN(trim);
FORMULA_FN(find);
FORMULA_FN(search);
FORMULA_FN(substitute);
FORMULA_FN(rept);
FORMULA_FN(value);
FORMULA_FN(text);
FORMULA_FN(concatenate);

}  // namespace formula_fn
