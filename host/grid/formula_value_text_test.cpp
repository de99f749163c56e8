// The one way a value becomes text, and the one way text reads as a number.
#include "formula_value_text.h"

#include <gtest/gtest.h>

namespace {

ValueTextStyle numberCell(int decimals) {
    return {ValueTextStyle::Cell::Number, decimals};
}

TEST(ValueText, NumberCellsRoundHalfAwayOnTheDecimalValueAndKeepTheirDecimals) {
    EXPECT_EQ(valueText(FormulaValue::makeNumber(212), numberCell(7)), "212.0000000");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(212), numberCell(0)), "212");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(1.005), numberCell(2)), "1.01");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(-1.005), numberCell(2)), "-1.01");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(2.5), numberCell(0)), "3");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(-2.5), numberCell(0)), "-3");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(0.1 + 0.2), numberCell(7)), "0.3000000");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(9.9999), numberCell(2)), "10.00");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(123456789012.345), numberCell(2)),
              "123456789012.35");
}

TEST(ValueText, NoNegativeZero) {
    EXPECT_EQ(valueText(FormulaValue::makeNumber(-0.0001), numberCell(2)), "0.00");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(-0.4), numberCell(0)), "0");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(-0.0)), "0");
    EXPECT_EQ(formatNumberGeneral(-1e-300), "-1E-300");  // tiny but not zero keeps its sign
}

TEST(ValueText, ElsewhereAtMostFifteenSignificantDigits) {
    EXPECT_EQ(valueText(FormulaValue::makeNumber(1.0 / 3)), "0.333333333333333");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(2.0 / 3)), "0.666666666666667");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(0.1 + 0.2)), "0.3");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(123456789012345678.0)), "1.23456789012346E+17");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(999999999999999.0)), "999999999999999");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(9999999999999999.0)), "1E+16");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(-12.5)), "-12.5");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(0.000012)), "0.000012");
    EXPECT_EQ(valueText(FormulaValue::makeNumber(0.0000012)), "1.2E-06");
}

TEST(ValueText, LogicalsErrorsTextAndEmpty) {
    ValueTextStyle box{ValueTextStyle::Cell::CheckBox, 0};
    EXPECT_EQ(valueText(FormulaValue::makeLogical(true)), "TRUE");
    EXPECT_EQ(valueText(FormulaValue::makeLogical(false)), "FALSE");
    EXPECT_EQ(valueText(FormulaValue::makeLogical(true), box), "1");
    EXPECT_EQ(valueText(FormulaValue::makeLogical(false), box), "0");
    EXPECT_EQ(valueText(FormulaValue::makeError(FormulaError::NA)), "#N/A");
    EXPECT_EQ(valueText(FormulaValue::makeText("IPE 200"), numberCell(2)), "IPE 200");
    EXPECT_EQ(valueText(FormulaValue{}), "");
}

TEST(ValueText, TextReadsAsANumberOnlyWhenItIsWhollyOne) {
    EXPECT_EQ(parseNumberText(" 12.5 "), 12.5);
    EXPECT_EQ(parseNumberText("-1e3"), -1000);
    EXPECT_EQ(parseNumberText("5%"), 0.05);
    EXPECT_EQ(parseNumberText(".5"), 0.5);
    EXPECT_EQ(parseNumberText("5."), 5);
    for (const char* bad :
         {"", " ", "1,5", "12a", "0x1A", "inf", "nan", "1e", "--1", ".", "e5", "1e999"})
        EXPECT_FALSE(parseNumberText(bad).has_value()) << bad;
}

}  // namespace
