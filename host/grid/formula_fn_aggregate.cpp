#include <cmath>
#include <limits>

#include "formula_fn.h"
#include "formula_value_text.h"

namespace formula_fn {

namespace {

// Feeds every number of the arguments to `f`: cells of references give their numbers only
// (text, logicals and empty cells are skipped); values written directly count as numbers
// (logicals as 1 and 0, text when it reads as a number). The first error met is returned.
template <typename F>
FormulaError eachNumber(FormulaEvaluator& ev, EvalValue* args, int argc, F f) {
    FormulaError err = FormulaError::None;
    for (int i = 0; i < argc && err == FormulaError::None; ++i) {
        EvalValue& a = args[i];
        if (a.isRef()) {
            ev.forEachCell(a, [&](const EvalValue& cell, int, int) {
                if (cell.kind == EvalKind::Error) err = cell.error;
                if (cell.kind == EvalKind::Number) f(cell.num);
                return err == FormulaError::None;
            });
            continue;
        }
        if (a.kind == EvalKind::Empty) continue;
        double d = 0;
        err = ev.number(a, d);
        if (err == FormulaError::None) f(d);
    }
    return err;
}

void giveOrError(EvalValue& out, FormulaError e, double v) {
    if (e != FormulaError::None) return out.setError(e);
    out.setNumber(v);
}

}  // namespace

FORMULA_FN(sum) {
    double total = 0;
    FormulaError e = eachNumber(ev, args, argc, [&](double d) { total += d; });
    giveOrError(out, e, total);
}

FORMULA_FN(product) {
    double total = 1;
    bool any = false;
    FormulaError e = eachNumber(ev, args, argc, [&](double d) { total *= d, any = true; });
    giveOrError(out, e, any ? total : 0);
}

FORMULA_FN(average) {
    double total = 0;
    long n = 0;
    FormulaError e = eachNumber(ev, args, argc, [&](double d) { total += d, ++n; });
    if (e == FormulaError::None && n == 0) e = FormulaError::Div0;
    giveOrError(out, e, n ? total / static_cast<double>(n) : 0);
}

FORMULA_FN(min_) {
    double best = std::numeric_limits<double>::infinity();
    FormulaError e = eachNumber(ev, args, argc, [&](double d) { best = std::fmin(best, d); });
    giveOrError(out, e, std::isinf(best) ? 0 : best);
}

FORMULA_FN(max_) {
    double best = -std::numeric_limits<double>::infinity();
    FormulaError e = eachNumber(ev, args, argc, [&](double d) { best = std::fmax(best, d); });
    giveOrError(out, e, std::isinf(best) ? 0 : best);
}

// COUNT: numbers in cells; values written directly that are or read as numbers.
FORMULA_FN(count) {
    double n = 0;
    for (int i = 0; i < argc; ++i) {
        EvalValue& a = args[i];
        if (a.isRef()) {
            ev.forEachCell(a, [&](const EvalValue& cell, int, int) {
                n += cell.kind == EvalKind::Number;
                return true;
            });
        } else if (a.kind == EvalKind::Number || a.kind == EvalKind::Logical) {
            ++n;
        } else if (a.kind == EvalKind::Text && parseNumberText(a.text)) {
            ++n;
        }
    }
    out.setNumber(n);
}

// COUNTA: every cell that is not empty, every value written directly.
FORMULA_FN(counta) {
    double n = 0;
    for (int i = 0; i < argc; ++i) {
        EvalValue& a = args[i];
        if (a.isRef()) {
            ev.forEachCell(a, [&](const EvalValue& cell, int, int) {
                n += cell.kind != EvalKind::Empty;
                return true;
            });
        } else if (a.kind != EvalKind::Empty) {
            ++n;
        }
    }
    out.setNumber(n);
}

}  // namespace formula_fn
