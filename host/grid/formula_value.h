// A calculated cell value as the formula engine hands it out: empty, number, text, logical or
// one of the error kinds, with the error texts of the common desktop spreadsheets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class FormulaError : std::uint8_t { None = 0, Div0, Value, Ref, Name, NA, Num };

enum class FormulaValueKind : std::uint8_t { Empty = 0, Number, Text, Logical, Error };

// "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#N/A", "#NUM!"; "" for None.
std::string_view formulaErrorText(FormulaError error);

struct FormulaValue {
    FormulaValueKind kind = FormulaValueKind::Empty;
    double number = 0.0;  // Number; Logical as 1 or 0
    std::string text;     // Text
    FormulaError error = FormulaError::None;

    static FormulaValue makeNumber(double v) { return {FormulaValueKind::Number, v, {}, {}}; }
    static FormulaValue makeText(std::string t) {
        return {FormulaValueKind::Text, 0.0, std::move(t), {}};
    }
    static FormulaValue makeLogical(bool b) {
        return {FormulaValueKind::Logical, b ? 1.0 : 0.0, {}, {}};
    }
    static FormulaValue makeError(FormulaError e) { return {FormulaValueKind::Error, 0.0, {}, e}; }
    bool isEmpty() const { return kind == FormulaValueKind::Empty; }
    bool operator==(const FormulaValue&) const = default;
};

// A value read in place: `text` views the text of the value or cell it was read from and is
// valid until that changes.
struct FormulaValueView {
    FormulaValueKind kind = FormulaValueKind::Empty;
    double number = 0.0;
    std::string_view text;
    FormulaError error = FormulaError::None;

    FormulaValueView() = default;
    FormulaValueView(FormulaValueKind k, double n, std::string_view t, FormulaError e)
        : kind(k), number(n), text(t), error(e) {}
    FormulaValueView(const FormulaValue& v)  // NOLINT: a value is viewed where one is read
        : kind(v.kind), number(v.number), text(v.text), error(v.error) {}
};

// A test of a text, called without the indirection of a wrapper: refuses(context, text).
struct TextRefusal {
    bool (*refuses)(const void* context, std::string_view text) = nullptr;
    const void* context = nullptr;
    bool operator()(std::string_view text) const { return refuses(context, text); }
};
