#include <cmath>
#include <numbers>

#include "formula_decimal.h"
#include "formula_fn.h"

namespace formula_fn {

namespace {

// A one-argument function of a number, #NUM! where `valid` says no.
template <typename F, typename V>
void unaryMath(FormulaEvaluator& ev, EvalValue* args, EvalValue& out, F f, V valid) {
    FORMULA_NUMBER_ARG(x, 0);
    if (!valid(x)) return out.setError(FormulaError::Num);
    out.setNumber(f(x));
}

auto any = [](double) { return true; };

// Decimal places of a rounding function: the second argument truncated, 0 when absent.
bool placesArg(FormulaEvaluator& ev, EvalValue* args, int argc, int& places, EvalValue& out) {
    places = 0;
    if (argc < 2) return true;
    double d = 0;
    if (FormulaError e = ev.number(args[1], d); e != FormulaError::None) {
        out.setError(e);
        return false;
    }
    places = static_cast<int>(std::fmax(-400.0, std::fmin(400.0, std::trunc(d))));
    return true;
}

// A few units in the last place of x: how far a computed value may lie from the multiple it
// stands for (269*196/5.599999999999994 is 9415 plus 5 units).
constexpr double kSnapUlps = 8.0;

bool withinFewUlps(double a, double b) {
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= kSnapUlps * (std::nextafter(scale, INFINITY) - scale);
}

// Rounding up or down (away from or towards zero) first snaps a value within a few units in
// the last place of a multiple of the step to that multiple, so a quotient that should be
// whole is not taken one step further.
void roundWith(FormulaEvaluator& ev, EvalValue* args, int argc, EvalValue& out,
               DecimalRounding mode) {
    FORMULA_NUMBER_ARG(x, 0);
    int places = 0;
    if (!placesArg(ev, args, argc, places, out)) return;
    if (mode == DecimalRounding::Away || mode == DecimalRounding::TowardZero) {
        const double nearest = roundToDecimals(x, places, DecimalRounding::HalfAway);
        if (std::isfinite(nearest) && withinFewUlps(x, nearest)) return out.setNumber(nearest);
    }
    out.setNumber(roundToDecimals(x, places, mode));
}

// A quotient within a few units in the last place of a whole number is that number.
double snapNearWhole(double q) {
    const double whole = std::nearbyint(q);
    return withinFewUlps(q, whole) ? whole : q;
}

// A multiple of `step` reached from x by `rounder` (ceil or floor) on the quotient.
template <typename R>
void toMultiple(FormulaEvaluator& ev, EvalValue* args, EvalValue& out, bool zeroStepIsError,
                R rounder) {
    FORMULA_NUMBER_ARG(x, 0);
    FORMULA_NUMBER_ARG(step, 1);
    if (step == 0) {
        if (zeroStepIsError) return out.setError(FormulaError::Div0);
        return out.setNumber(0);
    }
    if (x > 0 && step < 0) return out.setError(FormulaError::Num);
    out.setNumber(snap15(rounder(snapNearWhole(snap15(x / step))) * step));
}

// EVEN and ODD: away from zero to the next integer of the given parity.
void toParity(FormulaEvaluator& ev, EvalValue* args, EvalValue& out, bool odd) {
    FORMULA_NUMBER_ARG(x, 0);
    double a = std::ceil(snap15(std::fabs(x)));
    bool isOdd = std::fmod(a, 2.0) == 1.0;
    if (isOdd != odd) a += 1;
    out.setNumber(x < 0 ? -a : a);
}

}  // namespace

FORMULA_FN(abs_) {
    unaryMath(
        ev, args, out, [](double x) { return std::fabs(x); }, any);
    (void)argc;
}
FORMULA_FN(acos_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::acos(x); },
        [](double x) { return x >= -1 && x <= 1; });
}
FORMULA_FN(asin_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::asin(x); },
        [](double x) { return x >= -1 && x <= 1; });
}
FORMULA_FN(atan_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::atan(x); }, any);
}
FORMULA_FN(atan2_) {
    (void)argc;
    FORMULA_NUMBER_ARG(x, 0);
    FORMULA_NUMBER_ARG(y, 1);
    if (x == 0 && y == 0) return out.setError(FormulaError::Div0);
    out.setNumber(std::atan2(y, x));
}
FORMULA_FN(cos_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::cos(x); }, any);
}
FORMULA_FN(sin_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::sin(x); }, any);
}
FORMULA_FN(tan_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::tan(x); }, any);
}
FORMULA_FN(degrees) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return x * 180.0 / std::numbers::pi; }, any);
}
FORMULA_FN(radians) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return x * std::numbers::pi / 180.0; }, any);
}
FORMULA_FN(pi) {
    (void)ev, (void)args, (void)argc;
    out.setNumber(std::numbers::pi);
}
FORMULA_FN(exp_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::exp(x); }, any);
}
FORMULA_FN(ln) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::log(x); }, [](double x) { return x > 0; });
}
FORMULA_FN(log10_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::log10(x); }, [](double x) { return x > 0; });
}
FORMULA_FN(log_) {
    FORMULA_NUMBER_ARG(x, 0);
    double base = 10;
    if (argc > 1) {
        FormulaError e = ev.number(args[1], base);
        if (e != FormulaError::None) return out.setError(e);
    }
    if (x <= 0 || base <= 0) return out.setError(FormulaError::Num);
    if (base == 1) return out.setError(FormulaError::Div0);
    out.setNumber(base == 10 ? std::log10(x) : std::log(x) / std::log(base));
}
FORMULA_FN(power) {
    (void)argc;
    FORMULA_NUMBER_ARG(x, 0);
    FORMULA_NUMBER_ARG(y, 1);
    if (x == 0 && y < 0) return out.setError(FormulaError::Div0);
    if (x == 0 && y == 0) return out.setError(FormulaError::Num);
    out.setNumber(std::pow(x, y));
}
FORMULA_FN(sqrt_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::sqrt(x); }, [](double x) { return x >= 0; });
}
FORMULA_FN(sign) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }, any);
}
FORMULA_FN(int_) {
    (void)argc;
    unaryMath(
        ev, args, out, [](double x) { return std::floor(snap15(x)); }, any);
}
FORMULA_FN(mod) {
    (void)argc;
    FORMULA_NUMBER_ARG(x, 0);
    FORMULA_NUMBER_ARG(y, 1);
    if (y == 0) return out.setError(FormulaError::Div0);
    x = snap15(x);
    y = snap15(y);
    double r = snap15(x - y * std::floor(snap15(x / y)));
    // A remainder that is float noise of a whole quotient is 0.
    if (std::fabs(r) < std::fabs(y) * 1e-13 || std::fabs(r - y) < std::fabs(y) * 1e-13) r = 0;
    out.setNumber(r);
}
FORMULA_FN(round_) {
    roundWith(ev, args, argc, out, DecimalRounding::HalfAway);
}
FORMULA_FN(roundup) {
    roundWith(ev, args, argc, out, DecimalRounding::Away);
}
FORMULA_FN(rounddown) {
    roundWith(ev, args, argc, out, DecimalRounding::TowardZero);
}
FORMULA_FN(trunc_) {
    roundWith(ev, args, argc, out, DecimalRounding::TowardZero);
}
FORMULA_FN(ceiling) {
    (void)argc;
    toMultiple(ev, args, out, false, [](double q) { return std::ceil(q); });
}
FORMULA_FN(floor_) {
    (void)argc;
    toMultiple(ev, args, out, true, [](double q) { return std::floor(q); });
}
FORMULA_FN(even) {
    (void)argc;
    toParity(ev, args, out, false);
}
FORMULA_FN(odd) {
    (void)argc;
    toParity(ev, args, out, true);
}

}  // namespace formula_fn
