#include "cell_type_rules.h"

#include <cmath>

bool isNumberKind(int type) {
    return type == SS_CELLTYPE_NUMBER || type == SS_CELLTYPE_CURRENCY ||
           type == SS_CELLTYPE_PERCENT;
}

bool isWholeNumberKind(int type) {
    return type == SS_CELLTYPE_INTEGER || type == SS_CELLTYPE_CHECKBOX;
}

namespace {

std::optional<FormulaValue> boundedNumber(const SSCellType& type, std::string_view text) {
    const std::optional<double> number = parseNumberText(text);
    if (!number || !std::isfinite(*number)) return std::nullopt;
    if (*number < type.minValue || *number > type.maxValue) return std::nullopt;
    if (type.type == SS_CELLTYPE_INTEGER && std::floor(*number) != *number) return std::nullopt;
    return FormulaValue::makeNumber(*number);
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

std::optional<FormulaValue> contentForData(const SSCellType& type, std::string_view text) {
    if (text.empty()) return FormulaValue{};
    if (isNumberKind(type.type) || type.type == SS_CELLTYPE_INTEGER) {
        return boundedNumber(type, text);
    }
    if (type.type == SS_CELLTYPE_CHECKBOX) {
        if (equalsNoCase(text, "TRUE")) return FormulaValue::makeNumber(1);
        if (equalsNoCase(text, "FALSE")) return FormulaValue::makeNumber(0);
    }
    if (type.type == SS_CELLTYPE_GENERAL || type.type == SS_CELLTYPE_CHECKBOX) {
        const std::optional<double> number = parseNumberText(text);
        if (number && std::isfinite(*number)) return FormulaValue::makeNumber(*number);
    }
    return FormulaValue::makeText(std::string(text));
}

std::string canonicalDataText(const FormulaValue& value) {
    switch (value.kind) {
        case FormulaValueKind::Number:
            return formatNumberGeneral(value.number);
        case FormulaValueKind::Text:
            return value.text;
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
