// The one way a value becomes text, and the one way text reads as a number.
#include "formula_value_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "formula_decimal.h"
#include "formula_test_util.h"

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

// The view made in a room that held a longer text is exactly the value text.
TEST(ValueText, ViewedInAUsedRoomItIsTheSameText) {
    const ValueTextStyle box{ValueTextStyle::Cell::CheckBox, 0};
    char room[kFixedTextRoom];
    for (const ValueTextStyle style : {ValueTextStyle{}, numberCell(7), numberCell(0), box}) {
        for (const FormulaValue& v :
             {FormulaValue::makeNumber(-1e300), FormulaValue::makeText("IPE 200"),
              FormulaValue::makeNumber(65), FormulaValue::makeNumber(-0.0),
              FormulaValue::makeNumber(1.0 / 3), FormulaValue::makeNumber(-999999999999999.0),
              FormulaValue::makeNumber(-1e-300), FormulaValue::makeLogical(true),
              FormulaValue::makeError(FormulaError::Div0), FormulaValue{},
              FormulaValue::makeText("")}) {
            EXPECT_EQ(valueTextView(v, style, room), valueText(v, style));
        }
    }
    EXPECT_EQ(valueTextView(FormulaValue::makeNumber(212), numberCell(7), room), "212.0000000");
    EXPECT_EQ(valueTextView(FormulaValue::makeNumber(-7), numberCell(15), room),
              "-7.000000000000000");
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

// Short decimals take an exact path of their own: it must give what strtod gives, signs,
// percent and "-0" included, for texts on both sides of its 15-digit limit.
TEST(ValueText, NumberTextReadsAsTheNearestDouble) {
    std::mt19937_64 rng(20261209);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = randomDecimalText(rng, 18);
        const std::string sign = i % 3 == 0 ? "-" : i % 3 == 1 ? "+" : "";
        const bool percent = i % 5 == 0;
        const std::string input = sign + text + (percent ? "%" : "");
        double expected = std::strtod((sign + text).c_str(), nullptr);
        if (percent) expected /= 100;
        const std::optional<double> read = parseNumberText(input);
        ASSERT_TRUE(read.has_value()) << input;
        EXPECT_EQ(*read, expected) << input;
        EXPECT_EQ(std::signbit(*read), std::signbit(expected)) << input;
    }
    // Twenty digits, whose whole number (2^64) wraps to 0 in 64 bits.
    EXPECT_EQ(parseNumberText("18446744073709551616"), 18446744073709551616.0);
}

// The general text of a number, split back into what it says: sign, significant digits and
// the power of ten of the first one.
struct ReadBack {
    bool negative = false;
    std::string digits;
    int exponent10 = 0;
    bool scientific = false;
};

ReadBack readBack(const std::string& text) {
    ReadBack r;
    std::size_t i = 0;
    if (text[i] == '-') r.negative = true, ++i;
    int pointAt = -1, firstAt = -1, place = 0;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            pointAt = place;
            continue;
        }
        if (firstAt < 0 && text[i] != '0') firstAt = place;
        if (firstAt >= 0) r.digits.push_back(text[i]);
        ++place;
    }
    const int intDigits = pointAt < 0 ? place : pointAt;
    r.exponent10 = intDigits - 1 - firstAt;
    if (i < text.size()) {
        r.scientific = true;
        r.exponent10 += std::atoi(text.c_str() + i + 1);
    }
    while (!r.digits.empty() && r.digits.back() == '0') r.digits.pop_back();
    return r;
}

TEST(ValueText, GeneralTextSaysTheFifteenDigitsOfTheDecimalRounding) {
    std::mt19937_64 rng(20261209);
    std::uniform_real_distribution<double> power(-30, 30);
    long checked = 0;
    for (int i = 0; i < 100000; ++i) {
        const double any = std::bit_cast<double>(rng());
        const double decimal = std::round(std::pow(10.0, power(rng)) * 1e4) / 1e4 * 0.7;
        const double whole = std::trunc(decimal * 100);
        for (double v : {any, decimal, -decimal, std::nextafter(decimal, 0.0), whole, -whole}) {
            if (!std::isfinite(v) || v == 0) continue;
            const std::string text = formatNumberGeneral(v);
            const DecimalDigits want = roundDecimalReference(v, 1000, DecimalRounding::HalfAway);
            const ReadBack got = readBack(text);
            ASSERT_EQ(got.digits, want.digits) << text;
            ASSERT_EQ(got.exponent10, want.exponent10) << text;
            ASSERT_EQ(got.negative, want.negative) << text;
            ASSERT_EQ(got.scientific, want.exponent10 < -5 || want.exponent10 >= 15) << text;
            ++checked;
        }
    }
    EXPECT_GT(checked, 350000);  // zero and non-finite values skipped
    EXPECT_EQ(formatNumberGeneral(-0.0), "0");
    EXPECT_EQ(formatNumberGeneral(999999999999999.0), "999999999999999");
    EXPECT_EQ(formatNumberGeneral(1e15), "1E+15");
}

// Fixed text against the rounded digits written out by hand: whole part, point, places.
TEST(ValueText, FixedTextSaysTheDecimalRoundingWithItsPlaces) {
    const auto expected = [](double v, int decimals) {
        const DecimalDigits d = roundDecimalReference(v, decimals, DecimalRounding::HalfAway);
        if (d.digits.empty())
            return decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0');
        std::string digits = d.digits;
        int point = d.exponent10 + 1;  // digits before the point
        if (point <= 0) {
            digits.insert(0, static_cast<std::size_t>(1 - point), '0');
            point = 1;
        }
        if (static_cast<int>(digits.size()) < point + decimals)
            digits.append(static_cast<std::size_t>(point + decimals) - digits.size(), '0');
        std::string text = digits.substr(0, static_cast<std::size_t>(point));
        if (decimals > 0) text += "." + digits.substr(static_cast<std::size_t>(point));
        return (d.negative ? "-" : "") + text;
    };
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> power(-20, 20);
    for (int i = 0; i < 20000; ++i) {
        const double decimal = std::round(std::pow(10.0, power(rng)) * 1e4) / 1e4 * 0.7;
        const double any = std::bit_cast<double>(rng());
        const double whole = std::trunc(decimal * 100);
        for (double v : {decimal, -decimal, any, 0.5, -0.5, 2.5e-16, 1e300, 0.0, -0.0, whole,
                         -whole, 999999999999999.0, 1e15, -65.0})
            for (int decimals : {0, 2, 7, 15}) {
                if (!std::isfinite(v)) continue;
                ASSERT_EQ(formatNumberFixed(v, decimals), expected(v, decimals)) << v;
            }
    }
    // Halves as they read, whose binary value lies just below or above the boundary.
    for (double v : {1.005, -1.005, 2.675, 0.125, 1.0000005, 8.345, 1234.56785, 0.0449999999999,
                     4.35e-8, 99999999.995, 0.15})
        for (int decimals : {0, 1, 2, 4, 7, 12}) {
            ASSERT_EQ(formatNumberFixed(v, decimals), expected(v, decimals)) << v;
        }
    EXPECT_EQ(formatNumberFixed(1.005, 2), "1.01");
    EXPECT_EQ(formatNumberFixed(-0.004, 2), "0.00");
    EXPECT_EQ(formatNumberFixed(-0.005, 2), "-0.01");
    EXPECT_EQ(formatNumberFixed(12.5, 0), "13");
    EXPECT_EQ(formatNumberFixed(1234.5, 7), "1234.5000000");
}

}  // namespace
