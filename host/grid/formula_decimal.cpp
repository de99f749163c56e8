#include "formula_decimal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr double kPowersOf10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The 15 significant digits and decimal exponent of a finite non-zero |value|.
DecimalDigits digits15(double value) {
    DecimalDigits d;
    d.negative = value < 0;
    char buf[40];
    // "d.dddddddddddddde[+-]xx": the same digits printf's "%.14e" gives, without its cost.
    const auto end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    d.digits.push_back(buf[0]);
    d.digits.append(buf + 2, 14);
    const char* exponent = buf + 17;
    if (*exponent == '+') ++exponent;
    std::from_chars(exponent, end, d.exponent10);
    return d;
}

void stripZeros(DecimalDigits& d) {
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    std::size_t lead = d.digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        d.digits.clear();
        return;
    }
    d.digits.erase(0, lead);
}

// Adds one unit in the last place of the digit string; a carry out of the first digit adds a
// digit in front (and raises the exponent).
void incrementLast(DecimalDigits& d) {
    int i = static_cast<int>(d.digits.size()) - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent10;
    }
}

bool needsIncrement(const std::string& rest, DecimalRounding mode) {
    if (rest.empty()) return false;
    switch (mode) {
        case DecimalRounding::HalfAway:
            return rest[0] >= '5';
        case DecimalRounding::Away:
            return rest.find_first_not_of('0') != std::string::npos;
        case DecimalRounding::TowardZero:
            return false;
    }
    return false;
}

}  // namespace

double snap15(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    char buf[40];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    double snapped = value;
    std::from_chars(buf, end, snapped);
    return snapped;
}

DecimalDigits roundDecimal(double value, int decimals, DecimalRounding mode) {
    if (!std::isfinite(value) || value == 0) return {};
    DecimalDigits d = digits15(value);
    // Digits kept: those before the decimal point plus `decimals` after it.
    long keep = static_cast<long>(d.exponent10) + 1 + decimals;
    if (keep >= static_cast<long>(d.digits.size())) {
        stripZeros(d);
        return d;
    }
    if (keep < 0) return {d.negative, {}, 0};
    std::string rest = d.digits.substr(static_cast<std::size_t>(keep));
    d.digits.resize(static_cast<std::size_t>(keep));
    if (needsIncrement(rest, mode)) {
        if (d.digits.empty()) {
            // Rounded up from below the first kept place: one unit of that place.
            d.digits = "1";
            d.exponent10 = -decimals;
        } else {
            incrementLast(d);
        }
    }
    stripZeros(d);
    if (d.digits.empty()) d.negative = false;
    return d;
}

namespace {

// The rounding done on binary values when the decimal form cannot change the outcome: the
// scaled value is not within float noise of a rounding boundary. nullopt when it might be.
std::optional<double> roundFast(double value, int decimals, DecimalRounding mode) {
    if (decimals < -15 || decimals > 15) return std::nullopt;
    double p = kPowersOf10[decimals < 0 ? -decimals : decimals];
    double y = std::fabs(decimals < 0 ? value / p : value * p);
    if (y >= 1e15) return std::nullopt;
    double whole = std::floor(y), frac = y - whole;
    double noise = y * 1e-14 + 1e-300;
    double r;
    switch (mode) {
        case DecimalRounding::HalfAway:
            if (std::fabs(frac - 0.5) <= noise) return std::nullopt;
            r = frac > 0.5 ? whole + 1 : whole;
            break;
        case DecimalRounding::Away:
            if (frac == 0) {
                r = whole;
                break;
            }
            if (frac <= noise || 1 - frac <= noise) return std::nullopt;
            r = whole + 1;
            break;
        default:
            if (frac == 0) {
                r = whole;
                break;
            }
            if (frac <= noise || 1 - frac <= noise) return std::nullopt;
            r = whole;
    }
    r = decimals < 0 ? r * p : r / p;
    return value < 0 ? -r : r;
}

}  // namespace

double roundToDecimals(double value, int decimals, DecimalRounding mode) {
    if (!std::isfinite(value)) return value;
    if (auto fast = roundFast(value, decimals, mode)) return *fast;
    DecimalDigits d = roundDecimal(value, decimals, mode);
    if (d.digits.empty()) return 0.0;
    std::string text =
        (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.exponent10 + 1);
    return std::strtod(text.c_str(), nullptr);
}
