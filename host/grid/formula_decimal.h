// Decimal rounding of doubles on their 15-significant-digit decimal form, so that a value
// such as 1.005 (stored as 1.00499999...) rounds the way it reads.
#pragma once

#include <optional>
#include <string>

enum class DecimalRounding { HalfAway, Away, TowardZero };

// `value` snapped to 15 significant digits.
double snap15(double value);

// The decimal digits of |value| rounded to `decimals` places (negative: to tens, hundreds ...)
// on its 15-significant-digit form. `digits` holds the significant digits without leading
// zeros ("" for zero) and `exponent10` the power of ten of the first one.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent10 = 0;
};
// Values from 1e-12 to below 1e15 take an exact integer path; all others, and NaN, inf and
// zero, the reference below. Both give the same result for every input.
DecimalDigits roundDecimal(double value, int decimals, DecimalRounding mode);

// The same rounding through the general decimal conversion: slower, kept as the fallback and
// as the yardstick the exact path is tested against.
DecimalDigits roundDecimalReference(double value, int decimals, DecimalRounding mode);

// |value| * 10^decimals rounded to a whole number below 1e15, taken on the binary value where
// its 15-digit decimal form cannot round otherwise (the scaled value is not within float noise
// of a rounding boundary); nullopt when it might, or when |decimals| > 15.
std::optional<double> roundScaledFast(double value, int decimals, DecimalRounding mode);
// The rounded value as a double.
double roundToDecimals(double value, int decimals, DecimalRounding mode);
