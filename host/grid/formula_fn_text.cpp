#include <cmath>

#include "formula_case.h"
#include "formula_fn.h"
#include "formula_number_format.h"
#include "formula_value_text.h"

namespace formula_fn {

namespace {

constexpr double kMaxTextLength = 32767;

// A count argument (LEFT, RIGHT, REPT ...): truncated, negative is #VALUE!.
bool countArg(FormulaEvaluator& ev, EvalValue* args, int argc, int i, double fallback,
              std::size_t& count, EvalValue& out) {
    double d = fallback;
    if (i < argc) {
        if (FormulaError e = ev.number(args[i], d); e != FormulaError::None) {
            out.setError(e);
            return false;
        }
    }
    d = std::trunc(d);
    if (!(d >= 0)) {
        out.setError(FormulaError::Value);
        return false;
    }
    count = static_cast<std::size_t>(std::fmin(d, kMaxTextLength + 1));
    return true;
}

// FIND and SEARCH: 1-based position of `what` in `within` from the start position.
void locate(FormulaEvaluator& ev, EvalValue* args, int argc, EvalValue& out, bool ignoreCase) {
    FORMULA_TEXT_ARG(what, 0);
    FORMULA_TEXT_ARG(within, 1);
    double start = 1;
    if (argc > 2) {
        if (FormulaError e = ev.number(args[2], start); e != FormulaError::None)
            return out.setError(e);
    }
    start = std::trunc(start);
    if (!(start >= 1 && start <= static_cast<double>(within.size()) + 1))
        return out.setError(FormulaError::Value);
    std::size_t from = static_cast<std::size_t>(start) - 1;
    std::size_t at = ignoreCase ? findNoCase(within, what, from) : within.find(what, from);
    if (at == std::string::npos) return out.setError(FormulaError::Value);
    out.setNumber(static_cast<double>(at + 1));
}

}  // namespace

FORMULA_FN(left) {
    FORMULA_TEXT_ARG(s, 0);
    std::size_t n = 0;
    if (!countArg(ev, args, argc, 1, 1, n, out)) return;
    out.setText(s.substr(0, n));
}

FORMULA_FN(right) {
    FORMULA_TEXT_ARG(s, 0);
    std::size_t n = 0;
    if (!countArg(ev, args, argc, 1, 1, n, out)) return;
    out.setText(n >= s.size() ? s : s.substr(s.size() - n));
}

FORMULA_FN(mid) {
    FORMULA_TEXT_ARG(s, 0);
    FORMULA_NUMBER_ARG(start, 1);
    std::size_t n = 0;
    if (!countArg(ev, args, argc, 2, 0, n, out)) return;
    start = std::trunc(start);
    if (!(start >= 1)) return out.setError(FormulaError::Value);
    if (start > static_cast<double>(s.size())) return out.setText({});
    out.setText(s.substr(static_cast<std::size_t>(start) - 1, n));
}

FORMULA_FN(len) {
    (void)argc;
    FORMULA_TEXT_ARG(s, 0);
    out.setNumber(static_cast<double>(s.size()));
}

FORMULA_FN(upper) {
    (void)argc;
    FORMULA_TEXT_ARG(s, 0);
    out.setText(upperText(s));
}

FORMULA_FN(lower) {
    (void)argc;
    FORMULA_TEXT_ARG(s, 0);
    out.setText(lowerText(s));
}

// TRIM: no blanks at either end, single blanks between words.
FORMULA_FN(trim) {
    (void)argc;
    FORMULA_TEXT_ARG(s, 0);
    std::string r;
    for (char c : s) {
        if (c == ' ' && (r.empty() || r.back() == ' ')) continue;
        r.push_back(c);
    }
    if (!r.empty() && r.back() == ' ') r.pop_back();
    out.setText(std::move(r));
}

FORMULA_FN(find) {
    locate(ev, args, argc, out, false);
}
FORMULA_FN(search) {
    locate(ev, args, argc, out, true);
}

FORMULA_FN(substitute) {
    FORMULA_TEXT_ARG(s, 0);
    FORMULA_TEXT_ARG(from, 1);
    FORMULA_TEXT_ARG(to, 2);
    double instance = 0;  // 0: every occurrence
    if (argc > 3) {
        if (FormulaError e = ev.number(args[3], instance); e != FormulaError::None)
            return out.setError(e);
        instance = std::trunc(instance);
        if (instance < 1) return out.setError(FormulaError::Value);
    }
    if (from.empty()) return out.setText(std::move(s));
    std::string r;
    std::size_t pos = 0, seen = 0;
    for (std::size_t at; (at = s.find(from, pos)) != std::string::npos; pos = at + from.size()) {
        ++seen;
        bool replace = instance == 0 || static_cast<double>(seen) == instance;
        r.append(s, pos, at - pos);
        r += replace ? to : from;
        if (r.size() > kMaxTextLength) return out.setError(FormulaError::Value);
    }
    r.append(s, pos);
    out.setText(std::move(r));
}

FORMULA_FN(rept) {
    FORMULA_TEXT_ARG(s, 0);
    std::size_t n = 0;
    if (!countArg(ev, args, argc, 1, 0, n, out)) return;
    if (static_cast<double>(s.size()) * static_cast<double>(n) > kMaxTextLength)
        return out.setError(FormulaError::Value);
    std::string r;
    r.reserve(s.size() * n);
    for (std::size_t i = 0; i < n; ++i) r += s;
    out.setText(std::move(r));
}

FORMULA_FN(value) {
    (void)argc;
    ev.deref(args[0]);
    if (args[0].kind == EvalKind::Number || args[0].kind == EvalKind::Empty) {
        return out.setNumber(args[0].num * (args[0].kind == EvalKind::Number));
    }
    FORMULA_TEXT_ARG(s, 0);
    auto parsed = parseNumberText(s);
    if (!parsed) return out.setError(FormulaError::Value);
    out.setNumber(*parsed);
}

FORMULA_FN(text) {
    (void)argc;
    FORMULA_TEXT_ARG(format, 1);
    ev.deref(args[0]);
    if (args[0].kind == EvalKind::Text) {
        auto parsed = parseNumberText(args[0].text);
        if (!parsed) return out.setText(args[0].text);
        args[0].setNumber(*parsed);
    }
    FORMULA_NUMBER_ARG(x, 0);
    out.setText(formatNumberPattern(x, format));
}

FORMULA_FN(concatenate) {
    std::string r;
    for (int i = 0; i < argc; ++i) {
        FORMULA_TEXT_ARG(s, i);
        r += s;
        if (r.size() > kMaxTextLength) return out.setError(FormulaError::Value);
    }
    out.setText(std::move(r));
}

}  // namespace formula_fn
