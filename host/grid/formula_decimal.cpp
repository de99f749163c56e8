#include "formula_decimal.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

// Every one exact in a double.
constexpr double kPowersOf10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

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

DecimalDigits roundDecimalReference(double value, int decimals, DecimalRounding mode) {
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

// Exact integer arithmetic for the common magnitudes: |value| = m * 2^q with a 53-bit m, so
// |value| * 10^k = m * 5^k * 2^(q + k) is a 128-bit product and a shift, for 0 <= k <= 27.
__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t kPow10[] = {1ull,
                                    10ull,
                                    100ull,
                                    1000ull,
                                    10000ull,
                                    100000ull,
                                    1000000ull,
                                    10000000ull,
                                    100000000ull,
                                    1000000000ull,
                                    10000000000ull,
                                    100000000000ull,
                                    1000000000000ull,
                                    10000000000000ull,
                                    100000000000000ull,
                                    1000000000000000ull,
                                    10000000000000000ull};

constexpr std::uint64_t pow5(int k) {
    std::uint64_t r = 1;
    for (int i = 0; i < k; ++i) r *= 5;
    return r;
}

// Magnitudes the exact path takes: the power of ten of the first digit lies in -13..14.
constexpr double kExactMin = 1e-12, kExactMax = 1e15;
constexpr int kMaxScale = 27;  // 5^27 < 2^64

// floor(|value| * 10^k) and whether the dropped part is below, at or above one half.
struct Scaled {
    std::uint64_t whole;
    int half;       // -1 below, 0 exactly one half, 1 above
    bool overflow;  // floor(|value| * 10^k) does not fit in 64 bits
};

Scaled scaleBy10(std::uint64_t m, int q, int k) {
    static constexpr auto kPow5 = [] {
        std::array<std::uint64_t, kMaxScale + 1> t{};
        for (int i = 0; i <= kMaxScale; ++i) t[static_cast<std::size_t>(i)] = pow5(i);
        return t;
    }();
    Wide product = static_cast<Wide>(m) * kPow5[static_cast<std::size_t>(k)];
    int shift = q + k;
    if (shift >= 0) {
        if (shift > 63 || (product >> (64 - shift)) != 0) return {0, -1, true};
        return {static_cast<std::uint64_t>(product << shift), -1, false};
    }
    int s = -shift;  // below 100 for the magnitudes and scales taken
    Wide whole = product >> s;
    if ((whole >> 64) != 0) return {0, -1, true};
    Wide rest = product - (whole << s), half = static_cast<Wide>(1) << (s - 1);
    return {static_cast<std::uint64_t>(whole), rest < half ? -1 : (rest == half ? 0 : 1), false};
}

// The 15 significant digits of |value| as an integer in [1e14, 1e15) and the power of ten of the
// first: the exact value rounded to nearest, ties to even, as the decimal conversion of the
// reference does. nullopt outside [kExactMin, kExactMax).
struct Digits15 {
    std::uint64_t digits;
    int exponent10;
};

std::optional<Digits15> exactDigits15(double magnitude) {
    if (!(magnitude >= kExactMin && magnitude < kExactMax)) return std::nullopt;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t m = (bits & ((1ull << 52) - 1)) | (1ull << 52);
    const int q = static_cast<int>(bits >> 52) - 1075;
    // floor(binary exponent * log10(2)): the power of ten of the first digit or one below.
    int e = ((static_cast<int>(bits >> 52) - 1023) * 78913) >> 18;
    for (int tries = 0; tries < 3; ++tries) {
        const int k = 14 - e;
        if (k < 0 || k > kMaxScale) return std::nullopt;
        const Scaled n = scaleBy10(m, q, k);
        if (n.overflow || n.whole >= kPow10[15]) {
            ++e;
            continue;
        }
        if (n.whole < kPow10[14]) {
            --e;
            continue;
        }
        std::uint64_t digits = n.whole + (n.half > 0 || (n.half == 0 && (n.whole & 1) != 0));
        if (digits == kPow10[15]) return Digits15{kPow10[14], e + 1};
        return Digits15{digits, e};
    }
    return std::nullopt;
}

bool roundsAway(std::uint64_t rest, std::uint64_t unit, DecimalRounding mode) {
    switch (mode) {
        case DecimalRounding::HalfAway:
            return rest >= unit / 2;
        case DecimalRounding::Away:
            return rest != 0;
        case DecimalRounding::TowardZero:
            return false;
    }
    return false;
}

// `n` (not zero) without its trailing zeros, as text.
void setDigits(DecimalDigits& d, std::uint64_t n) {
    for (std::uint64_t step : {100000000ull, 10000ull, 100ull, 10ull})
        if (n % step == 0) n /= step;
    char buf[24];
    d.digits.assign(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

// roundDecimalReference on the integer digits, into `d` (fresh); false when the value is
// outside the exact path's magnitudes and `d` is untouched.
bool roundDecimalExact(double value, int decimals, DecimalRounding mode, DecimalDigits& d) {
    const auto found = exactDigits15(std::fabs(value));
    if (!found) return false;
    d.negative = value < 0;
    d.exponent10 = found->exponent10;
    const long keep = static_cast<long>(found->exponent10) + 1 + decimals;
    if (keep >= 15) {
        setDigits(d, found->digits);
        return true;
    }
    if (keep < 0) {
        d.exponent10 = 0;
        return true;
    }
    const std::uint64_t unit = kPow10[15 - keep];
    std::uint64_t kept = found->digits / unit;
    if (roundsAway(found->digits % unit, unit, mode)) {
        if (keep == 0) d.exponent10 = -decimals;
        ++kept;
        if (keep > 0 && kept == kPow10[keep]) ++d.exponent10;
    }
    if (kept == 0) {
        d.negative = false;
        return true;
    }
    setDigits(d, kept);
    return true;
}

// snap15 through the exact digits: a 15-digit integer (exact in a double) divided by an exact
// power of ten is one correctly rounded operation, so it gives the double nearest the decimal,
// as reading its text does.
std::optional<double> snap15Exact(double value) {
    const std::optional<Digits15> d = exactDigits15(std::fabs(value));
    if (!d) return std::nullopt;
    const int k = d->exponent10 - 14;  // at most 0 for the exact path's magnitudes
    if (k < -22) return std::nullopt;
    const double digits = static_cast<double>(d->digits);
    const double snapped = digits / kPowersOf10[-k];
    return value < 0 ? -snapped : snapped;
}

}  // namespace

double snap15(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    // A whole number below 1e15 has at most 15 digits: it is its own 15-digit form.
    if (std::fabs(value) < 1e15 && std::trunc(value) == value) return value;
    if (const std::optional<double> snapped = snap15Exact(value)) return *snapped;
    char buf[40];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    double snapped = value;
    std::from_chars(buf, end, snapped);
    return snapped;
}

DecimalDigits roundDecimal(double value, int decimals, DecimalRounding mode) {
    DecimalDigits d;
    if (roundDecimalExact(value, decimals, mode, d)) return d;
    return roundDecimalReference(value, decimals, mode);
}

std::optional<double> roundScaledFast(double value, int decimals, DecimalRounding mode) {
    if (decimals < -15 || decimals > 15) return std::nullopt;
    double p = kPowersOf10[decimals < 0 ? -decimals : decimals];
    double y = std::fabs(decimals < 0 ? value / p : value * p);
    if (!(y < 1e15)) return std::nullopt;
    double whole = std::floor(y), frac = y - whole;
    double noise = y * 1e-14 + 1e-300;
    switch (mode) {
        case DecimalRounding::HalfAway:
            if (std::fabs(frac - 0.5) <= noise) return std::nullopt;
            return frac > 0.5 ? whole + 1 : whole;
        case DecimalRounding::Away:
            if (frac == 0) return whole;
            if (frac <= noise || 1 - frac <= noise) return std::nullopt;
            return whole + 1;
        default:
            if (frac == 0) return whole;
            if (frac <= noise || 1 - frac <= noise) return std::nullopt;
            return whole;
    }
}

namespace {

// The rounding done on binary values when the decimal form cannot change the outcome.
std::optional<double> roundFast(double value, int decimals, DecimalRounding mode) {
    const std::optional<double> scaled = roundScaledFast(value, decimals, mode);
    if (!scaled) return std::nullopt;
    const double p = kPowersOf10[decimals < 0 ? -decimals : decimals];
    const double r = decimals < 0 ? *scaled * p : *scaled / p;
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
