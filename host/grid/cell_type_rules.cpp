#include "cell_type_rules.h"

#include <array>
#include <cmath>

bool isNumberKind(int type) {
    return type == SS_CELLTYPE_NUMBER || type == SS_CELLTYPE_CURRENCY ||
           type == SS_CELLTYPE_PERCENT;
}

bool isWholeNumberKind(int type) {
    return type == SS_CELLTYPE_INTEGER || type == SS_CELLTYPE_CHECKBOX;
}

namespace {

bool isNeverGeneralText(std::string_view text);

// Whether `text`, which reads as `number`, is the number's canonical text (formatted only
// when the text's form leaves it open).
bool isCanonicalNumberText(double number, std::string_view text) {
    if (isPlainCanonicalNumber(text)) return true;
    return !isNeverGeneralText(text) && formatNumberGeneral(number) == text;
}

// The number `text` reads as (parseNumberText, finite only) and whether the text is its
// canonical text. The usual plain decimal ("-12.5", "65.0000000") is read by readShortDecimal
// alone, and is canonical exactly when isPlainCanonicalNumber says so: formatNumberGeneral
// writes no other text of that form.
bool readNumber(std::string_view text, DataContent& content) {
    content.kind = FormulaValueKind::Number;
    if (readShortSignedDecimal(text, content.number)) {
        content.canonical = isPlainCanonicalNumber(text);
        return true;
    }
    const std::optional<double> number = parseNumberText(text);
    if (!number || !std::isfinite(*number)) return false;
    content.number = *number;
    content.canonical = isCanonicalNumberText(*number, text);
    return true;
}

// readNumber within the type's bounds (and whole for an integer cell).
bool readBoundedNumber(const SSCellType& type, std::string_view text, DataContent& content) {
    if (!readNumber(text, content)) return false;
    if (content.number < type.minValue || content.number > type.maxValue) return false;
    return type.type != SS_CELLTYPE_INTEGER || std::floor(content.number) == content.number;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

}  // namespace

std::optional<DataContent> readDataText(const SSCellType& type, std::string_view text) {
    if (text.empty()) return DataContent{};
    // Read in place: the content is not copied through optionals on the way out.
    DataContent content;
    if (isNumberKind(type.type) || type.type == SS_CELLTYPE_INTEGER) {
        if (!readBoundedNumber(type, text, content)) return std::nullopt;
        return content;
    }
    if (type.type == SS_CELLTYPE_CHECKBOX) {
        // Never the canonical text of 1 or 0.
        if (equalsNoCase(text, "TRUE")) return DataContent{FormulaValueKind::Number, 1, false};
        if (equalsNoCase(text, "FALSE")) return DataContent{FormulaValueKind::Number, 0, false};
    }
    if (type.type == SS_CELLTYPE_GENERAL || type.type == SS_CELLTYPE_CHECKBOX) {
        if (readNumber(text, content)) return content;
    }
    return DataContent{FormulaValueKind::Text, 0, true};
}

bool refusedAtFirstByte(const SSCellType& type, std::string_view text) {
    if (text.empty() || !(isNumberKind(type.type) || type.type == SS_CELLTYPE_INTEGER)) {
        return false;
    }
    return !mayStartNumberText(text.front());
}

std::optional<FormulaValue> contentForData(const SSCellType& type, std::string_view text) {
    const std::optional<DataContent> content = readDataText(type, text);
    if (!content) return std::nullopt;
    switch (content->kind) {
        case FormulaValueKind::Number:
            return FormulaValue::makeNumber(content->number);
        case FormulaValueKind::Text:
            return FormulaValue::makeText(std::string(text));
        default:
            return FormulaValue{};
    }
}

// A plain decimal with at most 15 significant digits reads as the double nearest to it, and
// that double's 15-digit form is the same decimal (15 digits always survive the round trip),
// which formatNumberGeneral writes back unchanged when it has no needless zeros or sign and
// needs no exponent.
bool isPlainCanonicalNumber(std::string_view text) {
    if (text == "0") return true;
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t intStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    const std::size_t intDigits = i - intStart;
    if (intDigits == 0 || intDigits > 15) return false;
    const bool zeroInt = text[intStart] == '0';
    if (zeroInt && intDigits > 1) return false;  // "007"
    std::size_t significant = zeroInt ? 0 : intDigits;
    if (i == text.size()) return !zeroInt;  // "-0" is not canonical
    if (text[i] != '.' || text.back() == '0' || i + 1 == text.size()) return false;
    std::size_t leadingZeros = 0;
    for (std::size_t k = i + 1; k < text.size(); ++k) {
        if (!isDigit(text[k])) return false;
        if (significant == 0 && text[k] == '0') {
            ++leadingZeros;
        } else {
            ++significant;
        }
    }
    return significant <= 15 && leadingZeros <= 4;
}

namespace {

// Number text formatNumberGeneral never writes: a "+", blank or "%", or a fixed form whose
// fraction ends in "0" or "." (its digits never end in a zero), such as the "65.0000000" a
// number cell's value text gives.
bool isNeverGeneralText(std::string_view text) {
    if (text.empty() || text.front() == '+') return true;
    // The kinds of the bytes seen, gathered in one pass through a table.
    enum : unsigned char { kForeign = 1, kPoint = 2, kExponent = 4 };
    static constexpr auto kKindOf = [] {
        std::array<unsigned char, 256> kinds{};
        kinds[' '] = kinds['\t'] = kinds['%'] = kForeign;
        kinds['.'] = kPoint;
        kinds['e'] = kinds['E'] = kExponent;
        return kinds;
    }();
    unsigned seen = 0;
    for (const char c : text) seen |= kKindOf[static_cast<unsigned char>(c)];
    if (seen & kForeign) return true;
    return (seen & kPoint) && !(seen & kExponent) && (text.back() == '0' || text.back() == '.');
}

}  // namespace

bool isCanonicalDataText(const DataContent& content, std::string_view text) {
    switch (content.kind) {
        case FormulaValueKind::Number:
            return isCanonicalNumberText(content.number, text);
        case FormulaValueKind::Text:
            return true;
        default:
            return text.empty();
    }
}

std::string canonicalDataText(const FormulaValueView& value) {
    switch (value.kind) {
        case FormulaValueKind::Number:
            return formatNumberGeneral(value.number);
        case FormulaValueKind::Text:
            return std::string(value.text);
        case FormulaValueKind::Logical:
            return value.number != 0 ? "TRUE" : "FALSE";
        case FormulaValueKind::Error:
            return std::string(formulaErrorText(value.error));
        case FormulaValueKind::Empty:
            break;
    }
    return {};
}

ValueTextStyle valueTextStyleOf(const SSCellType& type) {
    ValueTextStyle style;
    if (isNumberKind(type.type)) {
        style.cell = ValueTextStyle::Cell::Number;
        style.decimals = type.decimals;
    } else if (type.type == SS_CELLTYPE_INTEGER) {
        style.cell = ValueTextStyle::Cell::Number;
        style.decimals = 0;
    } else if (type.type == SS_CELLTYPE_CHECKBOX) {
        style.cell = ValueTextStyle::Cell::CheckBox;
    }
    return style;
}

bool personCanType(int type) {
    return type != SS_CELLTYPE_STATICTEXT && type != SS_CELLTYPE_PICTURE &&
           type != SS_CELLTYPE_BUTTON;
}
