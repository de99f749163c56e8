// How a value becomes text ("value" text of a cell) and how text reads as a number: one
// definition used by the engine (text operators, TEXT, VALUE), the grid and the module.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "formula_value.h"

// The cell's display context for value text.
struct ValueTextStyle {
    enum class Cell { General, Number, CheckBox };
    Cell cell = Cell::General;
    int decimals = 0;  // for Number cells, 0..15 (clamped)
};

// A number with at most 15 significant digits, no exponent for magnitudes from 1e-5 to
// below 1e15 ("0.333333333333333", "1E+20"); never "-0".
std::string formatNumberGeneral(double value);
// formatNumberGeneral written into `out` (room for kGeneralTextRoom bytes); returns the length.
inline constexpr std::size_t kGeneralTextRoom = 48;
std::size_t writeNumberGeneral(double value, char* out);

// A number rounded half away from zero (on its decimal digits, not its binary fraction) to
// `decimals` places, which are kept ("212.0000000"); never "-0". Non-finite gives "#NUM!".
std::string formatNumberFixed(double value, int decimals);
// formatNumberFixed written into `out` (room for kFixedTextRoom bytes: a double has at most
// 309 whole digits, and the sign, the point and 15 places fit too); returns the length.
inline constexpr std::size_t kFixedTextRoom = 340;
std::size_t writeNumberFixed(double value, int decimals, char* out);

// The value text: Number cells round to their decimals; elsewhere 15 significant digits;
// logical 1/0 in a check box, TRUE/FALSE elsewhere; errors their text; empty "".
std::string valueText(const FormulaValueView& value, ValueTextStyle style = {});
// valueText without a string of its own: a number is written into `room` (kFixedTextRoom
// bytes); a text value is viewed where the value holds it; the rest are constant texts.
std::string_view valueTextView(const FormulaValueView& value, ValueTextStyle style, char* room);

// A whole number below 1e15 in size is its own 15-digit decimal form and needs no rounding:
// its sign (none for -0) and digits are written at out[n...] (room for 17 bytes), n moved past
// them. false for any other value.
bool writeSmallWholeNumber(double value, char* out, std::size_t& n);

// At most 19 digits with at most one point, nothing else, whose digits make a whole number below
// 2^53: that number and the power of ten are both exact doubles,
// so their quotient is the correctly rounded value (what from_chars and strtod give, at a
// fraction of their cost). false, `out` unchanged, for any other text.
bool readShortDecimal(std::string_view text, double& out);
// readShortDecimal after an optional "-".
bool readShortSignedDecimal(std::string_view text, double& out);

// Text that is wholly a number (leading and trailing blanks allowed, decimal point ".",
// optional exponent, optional trailing "%"); nullopt otherwise.
std::optional<double> parseNumberText(std::string_view text);
// Whether a number text may start with `c`: a blank, a sign, the point or a digit starts each
// text parseNumberText reads; a text starting otherwise (a word) is never a number.
inline bool mayStartNumberText(char c) {
    return c == ' ' || c == '\t' || c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}
