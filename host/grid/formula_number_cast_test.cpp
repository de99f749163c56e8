// Values far beyond any integer reach functions that want a count, a position or an exponent:
// each gives an error value or its usual text, never undefined behaviour (the sanitizer build
// checks every double cast to an integer).
#include <gtest/gtest.h>

#include "formula_number_format.h"
#include "formula_test_util.h"

namespace {

TEST(FormulaNumberCast, TextWithManyPercentSignsGivesNumErrorTextInsteadOfAnInfiniteExponent) {
    const std::string percents(400, '%');
    EXPECT_EQ(formatNumberPattern(1.5, "0.00E+00" + percents), "#NUM!");
    EXPECT_EQ(formatNumberPattern(0, "0.00E+00" + percents), "#NUM!");
    EXPECT_EQ(formatNumberPattern(1.5, "0.00" + percents), "#NUM!");
    FormulaEngine engine;
    engine.setFormula(1, 1, "=1.5");
    EXPECT_EQ(evalText(engine,
                       "=TEXT(A1,\"0.00%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%"
                       "%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%"
                       "%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%\")"),
              "#NUM!");
    EXPECT_EQ(evalText(engine, "=TEXT(A1,\"0.0%\")"), "150.0%");
}

TEST(FormulaNumberCast, HugePositionsAndCountsGiveErrorsOrTheWholeText) {
    FormulaEngine engine;
    struct Case {
        const char* formula;
        const char* value;
    } cases[] = {
        {"=MID(\"abc\",1E300,2)", ""},
        {"=MID(\"abc\",-1E300,2)", "#VALUE!"},
        {"=LEFT(\"abc\",1E300)", "abc"},
        {"=FIND(\"b\",\"abc\",1E300)", "#VALUE!"},
        {"=SEARCH(\"b\",\"abc\",-1E300)", "#VALUE!"},
        {"=CHOOSE(1E300,1,2)", "#VALUE!"},
        {"=CHOOSE(-1E300,1,2)", "#VALUE!"},
        {"=INDEX(A1:A3,1E300)", "#REF!"},
        {"=VLOOKUP(1,A1:B3,1E300)", "#REF!"},
        {"=ROUND(2.5,1E300)", "2.5"},
        {"=SUBSTITUTE(\"aaa\",\"a\",\"b\",1E300)", "aaa"},
    };
    for (const Case& c : cases) EXPECT_EQ(evalText(engine, c.formula), c.value) << c.formula;
}

}  // namespace
