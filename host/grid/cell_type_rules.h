// What each cell type accepts as data, how its value becomes text, and what a person may do
// with it. One place for the rules that the SS... calls, the loaders and the person's actions
// share.
#pragma once

#include <optional>
#include <string_view>

#include "formula_value.h"
#include "formula_value_text.h"
#include "ss_types.h"

// Number, currency and percent cells (read as double).
bool isNumberKind(int type);
// Integer and check-box cells (read as long).
bool isWholeNumberKind(int type);

// The content a cell of this type holds for the data text `text`: empty for "", a number for
// number text in numeric and untyped cells, a text otherwise. nullopt when the type refuses
// the text: number kinds and integers take only "" or text that is wholly a number within
// their bounds (integers: a whole number).
std::optional<FormulaValue> contentForData(const SSCellType& type, std::string_view text);

// contentForData without copying the text: the kind (Empty, Number or Text) and the number;
// a Text content is the data text itself. `canonical` is isCanonicalDataText of the content
// and the text it was read from, found while reading it.
struct DataContent {
    FormulaValueKind kind = FormulaValueKind::Empty;
    double number = 0;
    bool canonical = true;
};
std::optional<DataContent> readDataText(const SSCellType& type, std::string_view text);

// A quick refusal, read from the first byte alone: true only for a text readDataText refuses,
// a number, currency, percent or integer cell's text that no number text starts like (a
// blank, sign, point or digit starts each), such as a name. false leaves the answer open.
bool refusedAtFirstByte(const SSCellType& type, std::string_view text);

// Whether canonicalDataText of the content that readDataText made of `text` is `text`
// itself. Numbers are formatted only when the text's form leaves it open.
bool isCanonicalDataText(const DataContent& content, std::string_view text);

// Text such as "0", "-12", "0.00025" or "1234.5": a plain decimal with at most 15
// significant digits, no needless zeros or signs, from 1e-5 to below 1e15 in size. Such a
// text is the canonical data text of the number it reads as.
bool isPlainCanonicalNumber(std::string_view text);

// The text a cell's data shows when it was not typed differently: numbers with at most 15
// significant digits, logicals TRUE / FALSE.
std::string canonicalDataText(const FormulaValueView& value);

// How the value of a cell of this type becomes its value text.
ValueTextStyle valueTextStyleOf(const SSCellType& type);

// Types a person can type into (not static text, picture or button).
bool personCanType(int type);
