#include "formula_value_text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "formula_decimal.h"

std::string_view formulaErrorText(FormulaError error) {
    switch (error) {
        case FormulaError::None:
            return "";
        case FormulaError::Div0:
            return "#DIV/0!";
        case FormulaError::Value:
            return "#VALUE!";
        case FormulaError::Ref:
            return "#REF!";
        case FormulaError::Name:
            return "#NAME?";
        case FormulaError::NA:
            return "#N/A";
        case FormulaError::Num:
            return "#NUM!";
    }
    return "";
}

bool writeSmallWholeNumber(double value, char* out, std::size_t& n) {
    if (!(std::fabs(value) < 1e15)) return false;
    // Within 1e15 the conversion is exact for whole numbers and drops any fraction.
    const auto whole = static_cast<std::int64_t>(value);
    if (static_cast<double>(whole) != value) return false;
    n = static_cast<std::size_t>(std::to_chars(out + n, out + n + 20, whole).ptr - out);
    return true;
}

namespace {

// Copies a fixed text such as "#NUM!" to `out`; returns its length.
std::size_t writeLiteral(std::string_view text, char* out) {
    std::memcpy(out, text.data(), text.size());
    return text.size();
}

}  // namespace

// All 15 significant digits kept (no decimal place limit); the text is written straight from
// them into `out`.
std::size_t writeNumberGeneral(double value, char* out) {
    if (!std::isfinite(value)) return writeLiteral("#NUM!", out);
    std::size_t n = 0;
    if (writeSmallWholeNumber(value, out, n)) return n;
    const DecimalDigits d = roundDecimal(value, 1000, DecimalRounding::HalfAway);
    if (d.digits.empty()) return writeLiteral("0", out);
    const std::string& digits = d.digits;
    const int count = static_cast<int>(digits.size());
    const int exponent10 = d.exponent10;

    if (d.negative) out[n++] = '-';
    if (exponent10 >= -5 && exponent10 < 15) {
        const int intDigits = exponent10 + 1;
        if (intDigits <= 0) out[n++] = '0';
        for (int i = 0; i < intDigits; ++i) out[n++] = i < count ? digits[i] : '0';
        if (count > intDigits) {
            out[n++] = '.';
            for (int i = intDigits; i < 0; ++i) out[n++] = '0';
            for (int i = std::max(intDigits, 0); i < count; ++i) out[n++] = digits[i];
        }
    } else {
        out[n++] = digits[0];
        if (count > 1) {
            out[n++] = '.';
            for (int i = 1; i < count; ++i) out[n++] = digits[i];
        }
        out[n++] = 'E';
        out[n++] = exponent10 < 0 ? '-' : '+';
        const int e = std::abs(exponent10);
        if (e < 10) out[n++] = '0';
        n = static_cast<std::size_t>(std::to_chars(out + n, out + kGeneralTextRoom, e).ptr - out);
    }
    return n;
}

std::string formatNumberGeneral(double value) {
    char out[kGeneralTextRoom];
    return std::string(out, writeNumberGeneral(value, out));
}

namespace {

// The fixed text of a number whose magnitude times 10^decimals rounded to `scaled`: its
// digits with the point put in front of the last `decimals` ("-" only when not all zero).
std::size_t writeFixedFromScaled(bool negative, std::uint64_t scaled, int decimals, char* out) {
    char digits[24];
    const auto count =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, scaled).ptr - digits);
    const int width = std::max(count, decimals + 1);  // a digit at least before the point
    std::size_t n = 0;
    if (negative && scaled != 0) out[n++] = '-';
    for (int i = 0; i < width; ++i) {
        if (i == width - decimals) out[n++] = '.';
        out[n++] = i < width - count ? '0' : digits[i - (width - count)];
    }
    return n;
}

}  // namespace

// The rounded digits written straight into `out`: the whole part (at least "0"), then exactly
// `decimals` places after the point (none and no point for 0).
std::size_t writeNumberFixed(double value, int decimals, char* out) {
    if (!std::isfinite(value)) return writeLiteral("#NUM!", out);
    decimals = std::clamp(decimals, 0, 15);
    std::size_t n = 0;
    if (writeSmallWholeNumber(value, out, n)) {
        if (decimals > 0) {
            out[n++] = '.';
            // At most 15 places: a fixed copy of 16 zeros (the room is there), cut to length.
            std::memcpy(out + n, "0000000000000000", 16);
            n += static_cast<std::size_t>(decimals);
        }
        return n;
    }
    // Clear of a rounding boundary the binary value rounds as its 15-digit form does.
    if (const auto scaled = roundScaledFast(value, decimals, DecimalRounding::HalfAway)) {
        return writeFixedFromScaled(value < 0, static_cast<std::uint64_t>(*scaled), decimals, out);
    }
    const DecimalDigits d = roundDecimal(value, decimals, DecimalRounding::HalfAway);
    const int count = static_cast<int>(d.digits.size());
    const int intDigits = count == 0 ? 1 : d.exponent10 + 1;
    if (count > 0 && d.negative) out[n++] = '-';
    if (intDigits <= 0) out[n++] = '0';
    for (int i = 0; i < intDigits; ++i) out[n++] = i < count ? d.digits[i] : '0';
    if (decimals > 0) {
        out[n++] = '.';
        for (int place = 0; place < decimals; ++place) {
            const int i = intDigits + place;  // the digit's index in d.digits
            out[n++] = i >= 0 && i < count ? d.digits[i] : '0';
        }
    }
    return n;
}

std::string formatNumberFixed(double value, int decimals) {
    char out[kFixedTextRoom];
    return std::string(out, writeNumberFixed(value, decimals, out));
}

std::string_view valueTextView(const FormulaValueView& value, ValueTextStyle style, char* room) {
    switch (value.kind) {
        case FormulaValueKind::Empty:
            return {};
        case FormulaValueKind::Text:
            return value.text;
        case FormulaValueKind::Error:
            return formulaErrorText(value.error);
        case FormulaValueKind::Logical:
            if (style.cell == ValueTextStyle::Cell::CheckBox) return value.number != 0 ? "1" : "0";
            return value.number != 0 ? "TRUE" : "FALSE";
        case FormulaValueKind::Number:
            return {room, style.cell == ValueTextStyle::Cell::Number
                              ? writeNumberFixed(value.number, style.decimals, room)
                              : writeNumberGeneral(value.number, room)};
    }
    return {};
}

std::string valueText(const FormulaValueView& value, ValueTextStyle style) {
    char room[kFixedTextRoom];
    return std::string(valueTextView(value, style, room));
}

bool readShortDecimal(std::string_view text, double& out) {
    static constexpr double kPowersOf10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                             1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                             1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
    // At most 19 digits (a whole that cannot overflow) and one point.
    const std::size_t n = text.size();
    if (n == 0 || n > 20) return false;
    const auto digitAt = [&](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(text[i]) - '0');
    };
    std::uint64_t whole = 0;
    std::size_t i = 0;
    for (; i < n && digitAt(i) <= 9; ++i) whole = whole * 10 + digitAt(i);
    const bool point = i < n;
    if (point && text[i] != '.') return false;
    const std::size_t decimals = point ? n - i - 1 : 0;
    for (i += point ? 1 : 0; i < n; ++i) {
        if (digitAt(i) > 9) return false;
        whole = whole * 10 + digitAt(i);
    }
    const std::size_t digits = n - (point ? 1 : 0);
    if (digits == 0 || digits > 19 || whole >= (std::uint64_t{1} << 53)) return false;
    out = static_cast<double>(whole) / kPowersOf10[decimals];
    return true;
}

bool readShortSignedDecimal(std::string_view text, double& out) {
    const bool minus = text.starts_with('-');
    if (!readShortDecimal(minus ? text.substr(1) : text, out)) return false;
    if (minus) out = -out;
    return true;
}

std::optional<double> parseNumberText(std::string_view text) {
    // The usual plain decimal ("300.0000000", "-12.5"): nothing to trim or check first.
    if (double v = 0.0; readShortSignedDecimal(text, v)) return v;
    // A word is refused at once.
    if (text.empty() || !mayStartNumberText(text.front())) return std::nullopt;
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool percent = !text.empty() && text.back() == '%';
    if (percent) text.remove_suffix(1);
    if (text.empty() || text.size() > 400) return std::nullopt;
    // Only sign, digits, one point and an exponent: no hex, inf or nan that strtod would take.
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') ++i;
    std::size_t mantissa = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            ++mantissa;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (mantissa == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expStart = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j == expStart) return std::nullopt;
        i = j;
    }
    if (i != text.size()) return std::nullopt;
    // from_chars reads what strtod reads here but a leading "+"; it answers out of range for
    // overflow and underflow alike, where strtod gives infinity or the nearest small value.
    const bool negative = text.front() == '-';
    const std::string_view digits = text.front() == '+' ? text.substr(1) : text;
    double v = 0.0;
    if (readShortDecimal(negative ? text.substr(1) : digits, v)) {
        if (negative) v = -v;
        return percent ? v / 100 : v;
    }
    const std::from_chars_result read =
        std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (read.ec == std::errc::result_out_of_range) {
        const std::string copy(text);
        v = std::strtod(copy.c_str(), nullptr);
    } else if (read.ec != std::errc() || read.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(v)) return std::nullopt;
    return percent ? v / 100 : v;
}
