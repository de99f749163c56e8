// Every formula of the vector sheet gives the value a desktop spreadsheet computed.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "formula_value_text.h"
#include "sheet_csv.h"

namespace {

bool agrees(const FormulaValue& v, const std::string& expected) {
    if (v.kind == FormulaValueKind::Number || v.kind == FormulaValueKind::Logical) {
        auto e = parseNumberText(expected);
        if (!e) return false;
        double scale = std::fmax(1e-300, std::fmax(std::fabs(*e), std::fabs(v.number)));
        return std::fabs(v.number - *e) <= 1e-12 * scale;
    }
    return valueText(v) == expected;
}

TEST(FormulaVectors, EveryFormulaAgreesWithTheDesktopSpreadsheet) {
    std::ifstream in(std::string(VN_TESTDATA_DIR) + "/formula-vectors.csv", std::ios::binary);
    ASSERT_TRUE(in) << "formula-vectors.csv not found";
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    std::string error;
    auto sheet = SheetCsv::read(text, false, error);
    ASSERT_TRUE(sheet) << error;
    int cases = 0;
    for (int row = 1; row <= sheet->maxRows(); ++row) {
        if (!sheet->hasFormula(1, row)) continue;
        ++cases;
        const FormulaValue v = sheet->value(1, row);
        EXPECT_TRUE(agrees(v, sheet->dataText(2, row)))
            << "row " << row << ": =" << sheet->formulaText(1, row) << " gave " << valueText(v)
            << ", expected " << sheet->dataText(2, row);
    }
    EXPECT_GT(cases, 150);
}

}  // namespace
