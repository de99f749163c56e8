// Number formats of the TEXT function: "0", "0.00", "#,##0.00", "0%", "0.0E+00", literal
// text in quotes or after a backslash, and "General". A second ";" section formats negative
// numbers (shown without their sign). Rounding is half away from zero on the decimal digits.
#pragma once

#include <string>
#include <string_view>

std::string formatNumberPattern(double value, std::string_view pattern);
