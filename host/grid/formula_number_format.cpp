#include "formula_number_format.h"

#include <cmath>

#include "formula_case.h"
#include "formula_value_text.h"

namespace {

struct Pattern {
    std::string prefix, suffix;  // literal text around the number
    int minInt = 0, minDec = 0, maxDec = 0, percent = 0, expDigits = 0;
    bool thousands = false, scientific = false, sawDigit = false, afterPoint = false;
};

void placeholder(Pattern& p, char c) {
    p.sawDigit = true;
    if (p.afterPoint) {
        ++p.maxDec;
        if (c == '0') p.minDec = p.maxDec;
    } else if (c == '0') {
        ++p.minInt;
    }
}

// Reads one section; `i` at its start, left after its ";" (or at the end).
Pattern readSection(std::string_view f, std::size_t& i) {
    Pattern p;
    for (; i < f.size() && f[i] != ';'; ++i) {
        char c = f[i];
        std::string& lit = p.sawDigit ? p.suffix : p.prefix;
        if (p.scientific && c == '0') {
            ++p.expDigits;
        } else if (c == '0' || c == '#' || c == '?') {
            placeholder(p, c);
        } else if (c == '.' && !p.afterPoint && !p.scientific) {
            p.afterPoint = p.sawDigit = true;
        } else if (c == ',' && p.sawDigit && !p.afterPoint) {
            p.thousands = true;
        } else if ((c == 'E' || c == 'e') && p.sawDigit && i + 1 < f.size() &&
                   (f[i + 1] == '+' || f[i + 1] == '-')) {
            p.scientific = true;
            ++i;
        } else if (c == '"') {
            std::size_t close = f.find('"', i + 1);
            if (close == std::string_view::npos) close = f.size();
            lit.append(f.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '\\' && i + 1 < f.size()) {
            lit.push_back(f[++i]);
        } else {
            if (c == '%') ++p.percent;
            lit.push_back(c);
        }
    }
    if (i < f.size()) ++i;
    return p;
}

std::string groupThousands(const std::string& digits) {
    std::string r;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0) r.push_back(',');
        r.push_back(digits[k]);
    }
    return r;
}

std::string fixedBody(double a, const Pattern& p) {
    std::string fixed = formatNumberFixed(a, p.maxDec);
    std::size_t point = fixed.find('.');
    std::string intPart = fixed.substr(0, point);
    std::string frac = point == std::string::npos ? "" : fixed.substr(point + 1);
    while (static_cast<int>(frac.size()) > p.minDec && frac.back() == '0') frac.pop_back();
    if (intPart == "0" && p.minInt == 0) intPart.clear();
    while (static_cast<int>(intPart.size()) < p.minInt) intPart.insert(intPart.begin(), '0');
    if (p.thousands) intPart = groupThousands(intPart);
    return frac.empty() ? intPart : intPart + "." + frac;
}

std::string scientificBody(double a, const Pattern& p) {
    int e = a == 0 ? 0 : static_cast<int>(std::floor(std::log10(a)));
    double m = a == 0 ? 0 : a / std::pow(10.0, e);
    std::string mant = formatNumberFixed(m, p.maxDec);
    if (mant.rfind("10", 0) == 0) {  // rounding carried into a new digit
        ++e;
        mant = formatNumberFixed(m / 10, p.maxDec);
    }
    std::string digits = std::to_string(std::abs(e));
    int width = p.expDigits < 1 ? 1 : p.expDigits;
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width - static_cast<int>(digits.size())), '0');
    return mant + (e < 0 ? "E-" : "E+") + digits;
}

}  // namespace

std::string formatNumberPattern(double value, std::string_view pattern) {
    if (pattern.empty() || equalNoCase(pattern, "General")) return formatNumberGeneral(value);
    std::size_t i = 0;
    Pattern p = readSection(pattern, i);
    bool negative = value < 0;
    if (negative && i < pattern.size()) {
        p = readSection(pattern, i);
        negative = false;  // the negative section shows its own signs
    }
    if (!p.sawDigit) return p.prefix;  // a format of literal text only
    double a = std::fabs(value) * std::pow(100.0, p.percent);
    // Enough "%" signs scale any value past the largest double (and 0 to NaN): no digits.
    if (!std::isfinite(a)) return "#NUM!";
    std::string body = p.scientific ? scientificBody(a, p) : fixedBody(a, p);
    bool zero = body.find_first_of("123456789") == std::string::npos;
    return (negative && !zero ? "-" : "") + p.prefix + body + p.suffix;
}
