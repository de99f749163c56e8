// Helpers shared by the formula engine tests.
#pragma once

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

inline std::string cellText(const FormulaEngine& engine, int col, int row) {
    return valueText(engine.value(col, row));
}
