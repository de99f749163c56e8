// Fuzz target for the formula engine: the input is formula text (its first byte picks the
// reference style, the loader mode and a row/column change). Every formula that is accepted
// is calculated, printed back, and the printed text must be accepted again and print the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formula_engine.h"
#include "formula_value_text.h"

namespace {

bool echo(SpreadValue* result, SpreadValue* args, short count) {
    if (count > 0) *result = args[0];
    return count > 0;
}

void fill(FormulaEngine& e) {
    e.setNumber(1, 1, 1.5);
    e.setText(1, 2, "Text");
    e.setLogical(1, 3, true);
    e.setNumber(2, 1, -2);
    e.setFormula(2, 2, "=A1*2");
    e.setFormula(2, 3, "=B2+C3");
    e.setFormula(3, 3, "=B3");  // a cycle with B3
    e.addCustomFunction("ECHO", 0, 3, echo, 0);
    e.addCustomFunction("ECHOREF", 0, 3, echo, SPREAD_CUSTFUNC_WANTCELLREF);
}

void checkRoundTrip(FormulaEngine& e, int col, int row, FormulaSetMode mode) {
    std::string printed = e.formulaText(col, row);
    FormulaResult again = e.setFormula(col, row, printed, mode);
    if (!again || e.formulaText(col, row) != printed) std::abort();
    (void)valueText(e.value(col, row));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    std::uint8_t control = data[0];
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    FormulaEngine e;
    e.setAutoCalc(control & 1);
    if (control & 2) e.setRefStyle(FormulaRefStyle::R1C1);
    FormulaSetMode mode = (control & 4) ? FormulaSetMode::Loader : FormulaSetMode::Strict;
    fill(e);
    int col = 4, row = 4;
    if (!e.setFormula(col, row, text, mode)) return 0;
    (void)valueText(e.value(col, row));
    checkRoundTrip(e, col, row, mode);
    switch ((control >> 3) & 7) {
        case 1:
            e.insertRows(2, 3);
            break;
        case 2:
            e.deleteRows(1, 2);
            break;
        case 3:
            e.insertCols(1, 1);
            break;
        case 4:
            e.deleteCols(2, 2);
            break;
        case 5:
            e.copyCell(col, row, 7, 9);
            break;
        default:
            break;
    }
    e.recalcAll();
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 10; ++c)
            if (e.hasFormula(c, r)) (void)e.formulaText(c, r);
    return 0;
}
