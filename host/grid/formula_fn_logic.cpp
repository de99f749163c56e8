#include <cmath>

#include "formula_fn.h"

namespace formula_fn {

namespace {

// The value of an argument that a function hands on unchanged (IF, IFERROR, CHOOSE): a
// reference stays a reference so that the result can still be read as one.
void handOn(EvalValue& arg, EvalValue& out) {
    out = std::move(arg);
}

// AND / OR: logical values of the arguments; cells with text or nothing are skipped; text
// written directly is an error; no logical value at all is #VALUE!.
template <typename F>
void combine(FormulaEvaluator& ev, EvalValue* args, int argc, EvalValue& out, bool start, F op) {
    bool acc = start, any = false;
    FormulaError err = FormulaError::None;
    for (int i = 0; i < argc && err == FormulaError::None; ++i) {
        if (args[i].isRef()) {
            ev.forEachCell(args[i], [&](const EvalValue& cell, int, int) {
                if (cell.kind == EvalKind::Error) err = cell.error;
                if (cell.kind == EvalKind::Number || cell.kind == EvalKind::Logical)
                    acc = op(acc, cell.num != 0), any = true;
                return err == FormulaError::None;
            });
            continue;
        }
        bool b = false;
        err = ev.logical(args[i], b);
        acc = op(acc, b);
        any = true;
    }
    if (err == FormulaError::None && !any) err = FormulaError::Value;
    if (err != FormulaError::None) return out.setError(err);
    out.setLogical(acc);
}

}  // namespace

FORMULA_FN(if_) {
    bool cond = false;
    if (FormulaError e = ev.logical(args[0], cond); e != FormulaError::None) return out.setError(e);
    if (cond) return handOn(args[1], out);
    if (argc > 2) return handOn(args[2], out);
    out.setLogical(false);
}

FORMULA_FN(and_) {
    combine(ev, args, argc, out, true, [](bool a, bool b) { return a && b; });
}

FORMULA_FN(or_) {
    combine(ev, args, argc, out, false, [](bool a, bool b) { return a || b; });
}

FORMULA_FN(not_) {
    (void)argc;
    bool b = false;
    if (FormulaError e = ev.logical(args[0], b); e != FormulaError::None) return out.setError(e);
    out.setLogical(!b);
}

FORMULA_FN(iferror) {
    (void)argc;
    EvalValue probe = args[0];
    ev.deref(probe);
    handOn(probe.kind == EvalKind::Error ? args[1] : args[0], out);
}

FORMULA_FN(isblank) {
    (void)argc;
    ev.deref(args[0]);
    out.setLogical(args[0].kind == EvalKind::Empty);
}

FORMULA_FN(isnumber) {
    (void)argc;
    ev.deref(args[0]);
    out.setLogical(args[0].kind == EvalKind::Number);
}

FORMULA_FN(istext) {
    (void)argc;
    ev.deref(args[0]);
    out.setLogical(args[0].kind == EvalKind::Text);
}

FORMULA_FN(iserror) {
    (void)argc;
    ev.deref(args[0]);
    out.setLogical(args[0].kind == EvalKind::Error);
}

FORMULA_FN(na) {
    (void)ev, (void)args, (void)argc;
    out.setError(FormulaError::NA);
}

FORMULA_FN(choose) {
    FORMULA_NUMBER_ARG(pick, 0);
    double i = std::trunc(pick);
    if (!(i >= 1 && i <= argc - 1)) return out.setError(FormulaError::Value);
    handOn(args[static_cast<int>(i)], out);
}

}  // namespace formula_fn
