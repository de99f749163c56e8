#include <cmath>

#include "formula_fn.h"

namespace formula_fn {

namespace {

bool sameClass(const EvalValue& a, const EvalValue& b) {
    auto cls = [](EvalKind k) {
        return k == EvalKind::Logical ? 2 : (k == EvalKind::Text ? 1 : 0);
    };
    return cls(a.kind) == cls(b.kind);
}

// Position (0-based) of `key` along a one-row or one-column range: mode 0 the first equal
// cell; mode 1 the last cell not greater than key in an ascending run; mode -1 the last cell
// not less than key in a descending run. -1 when none. Empty cells never match.
int lookupIndex(FormulaEvaluator& ev, const EvalValue& line, const EvalValue& key, int mode) {
    int found = -1, i = -1;
    ev.forEachCell(line, [&](const EvalValue& cell, int, int) {
        ++i;
        if (cell.kind == EvalKind::Empty || cell.kind == EvalKind::Error || !sameClass(cell, key))
            return true;
        int c = compareValues(cell, key);
        if (mode == 0) {
            if (c == 0) found = i;
            return c != 0;
        }
        if ((mode > 0 && c > 0) || (mode < 0 && c < 0)) return false;
        found = i;
        return true;
    });
    return found;
}

// The look-up key: a plain value (an empty cell reads as 0); false with `out` set on error.
bool lookupKey(FormulaEvaluator& ev, EvalValue& arg, EvalValue& out) {
    ev.deref(arg);
    if (arg.kind == EvalKind::Error) {
        out.setError(arg.error);
        return false;
    }
    if (arg.kind == EvalKind::Empty) arg.setNumber(0);
    return true;
}

EvalValue cellRef(int col, int row) {
    EvalValue v;
    v.kind = EvalKind::Ref;
    v.c1 = col;
    v.r1 = row;
    return v;
}

EvalValue lineOf(const EvalValue& range, bool column, int at) {
    EvalValue v = range;
    v.kind = EvalKind::Range;
    if (range.kind == EvalKind::Ref) v.c2 = v.c1, v.r2 = v.r1;
    if (column)
        v.c1 = v.c2 = at;
    else
        v.r1 = v.r2 = at;
    return v;
}

int width(const EvalValue& r) {
    return r.kind == EvalKind::Range ? r.c2 - r.c1 + 1 : 1;
}
int height(const EvalValue& r) {
    return r.kind == EvalKind::Range ? r.r2 - r.r1 + 1 : 1;
}

// VLOOKUP (vertical) and HLOOKUP: the key in the first column (row) of the table, the result
// from the given column (row) of the found row (column).
void tableLookup(FormulaEvaluator& ev, EvalValue* args, int argc, EvalValue& out, bool vertical) {
    if (!lookupKey(ev, args[0], out)) return;
    if (!args[1].isRef()) return out.setError(FormulaError::NA);
    FORMULA_NUMBER_ARG(which, 2);
    bool approximate = true;
    if (argc > 3) {
        if (FormulaError e = ev.logical(args[3], approximate); e != FormulaError::None)
            return out.setError(e);
    }
    const EvalValue& table = args[1];
    double pick = std::trunc(which);
    if (!(pick >= 1)) return out.setError(FormulaError::Value);
    if (pick > (vertical ? width(table) : height(table))) return out.setError(FormulaError::Ref);
    EvalValue line = lineOf(table, vertical, vertical ? table.c1 : table.r1);
    int i = lookupIndex(ev, line, args[0], approximate ? 1 : 0);
    if (i < 0) return out.setError(FormulaError::NA);
    int offset = static_cast<int>(pick) - 1;
    out = vertical ? cellRef(table.c1 + offset, table.r1 + i)
                   : cellRef(table.c1 + i, table.r1 + offset);
}

}  // namespace

FORMULA_FN(index) {
    if (!args[0].isRef()) return out.setError(FormulaError::Value);
    const EvalValue& range = args[0];
    FORMULA_NUMBER_ARG(first, 1);
    double row = std::trunc(first), col = 1;
    if (argc > 2) {
        FORMULA_NUMBER_ARG(second, 2);
        col = std::trunc(second);
    } else if (height(range) == 1) {
        col = row, row = 1;
    } else if (width(range) != 1) {
        return out.setError(FormulaError::Ref);
    }
    if (!(row >= 1 && col >= 1)) return out.setError(FormulaError::Value);
    if (row > height(range) || col > width(range)) return out.setError(FormulaError::Ref);
    out = cellRef(range.c1 + static_cast<int>(col) - 1, range.r1 + static_cast<int>(row) - 1);
}

FORMULA_FN(match) {
    if (!lookupKey(ev, args[0], out)) return;
    if (!args[1].isRef() || (width(args[1]) != 1 && height(args[1]) != 1))
        return out.setError(FormulaError::NA);
    double mode = 1;
    if (argc > 2) {
        if (FormulaError e = ev.number(args[2], mode); e != FormulaError::None)
            return out.setError(e);
    }
    int i = lookupIndex(ev, args[1], args[0], mode > 0 ? 1 : (mode < 0 ? -1 : 0));
    if (i < 0) return out.setError(FormulaError::NA);
    out.setNumber(i + 1);
}

FORMULA_FN(vlookup) {
    tableLookup(ev, args, argc, out, true);
}
FORMULA_FN(hlookup) {
    tableLookup(ev, args, argc, out, false);
}

}  // namespace formula_fn
