// Helpers shared by the formula engine tests.
#pragma once

#include <random>
#include <string>

#include "formula_engine.h"
#include "formula_value_text.h"

// The value text of a formula evaluated in a spare cell of `engine` ("refused: ..." when the
// formula is refused).
inline std::string evalText(FormulaEngine& engine, const std::string& formula, int col = 26,
                            int row = 999) {
    FormulaResult r = engine.setFormula(col, row, formula);
    if (!r) return "refused: " + r.message;
    return valueText(engine.value(col, row));
}

// Digits (1 to `maxDigits`) with a point somewhere among them ("0" for a lone point): number
// text for sweeps of the number readers.
inline std::string randomDecimalText(std::mt19937_64& rng, int maxDigits) {
    std::uniform_int_distribution<int> length(1, maxDigits), digit(0, 9);
    std::string text;
    const int n = length(rng);
    for (int k = 0; k < n; ++k) text.push_back(static_cast<char>('0' + digit(rng)));
    text.insert(static_cast<std::size_t>(length(rng)) % (text.size() + 1), ".");
    return text == "." ? "0" : text;
}

inline std::string cellText(const FormulaEngine& engine, int col, int row) {
    return valueText(engine.value(col, row));
}
