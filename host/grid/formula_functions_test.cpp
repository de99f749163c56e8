// Built-in functions at their edges, coercion of values between kinds, and how errors pass
// through operators and functions.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "formula_test_util.h"

namespace {

using Cases = std::vector<std::pair<const char*, const char*>>;

class FormulaFunctions : public ::testing::Test {
  protected:
    void SetUp() override {
        e.setNumber(1, 1, 1);      // A1
        e.setText(1, 2, "2");      // A2: a number as text
        e.setLogical(1, 3, true);  // A3
        e.setText(1, 4, "abc");    // A4
        // A5 empty
        e.setFormula(1, 6, "=1/0");  // A6 #DIV/0!
    }
    void expectAll(const Cases& cases) {
        for (const auto& [formula, expected] : cases)
            EXPECT_EQ(evalText(e, formula), expected) << formula;
    }
    FormulaEngine e;
};

TEST_F(FormulaFunctions, RoundingGoesHalfAwayFromZeroOnTheDecimalValue) {
    expectAll({{"=ROUND(2.5,0)", "3"},
               {"=ROUND(-2.5,0)", "-3"},
               {"=ROUND(1.005,2)", "1.01"},
               {"=ROUND(-1.005,2)", "-1.01"},
               {"=ROUND(2.675,2)", "2.68"},
               {"=ROUND(0.5,0)", "1"},
               {"=ROUND(0.4999999,0)", "0"},
               {"=ROUND(-0.4,0)", "0"},
               {"=ROUND(999.5,0)", "1000"},
               {"=ROUND(1234.567,-2)", "1200"},
               {"=ROUND(50,-2)", "100"},
               {"=ROUND(49,-2)", "0"},
               {"=ROUND(1.5,1.9)", "1.5"},
               {"=ROUNDUP(0.1*3,1)", "0.3"},
               {"=ROUNDUP(-2.01,1)", "-2.1"},
               {"=ROUNDDOWN(-2.99,1)", "-2.9"},
               {"=ROUNDDOWN(0.7*3,1)", "2.1"},
               {"=TRUNC(-0.5)", "0"},
               {"=INT(-2.3)", "-3"},
               {"=INT(-0.1*3)", "-1"},
               {"=INT(2.9999999999999996)", "3"}});
}

TEST_F(FormulaFunctions, AValueAFewUnitsInTheLastPlaceFromAMultipleIsThatMultiple) {
    // 269*196/5.599999999999994 is 9415 plus about 5 units in the last place.
    expectAll({{"=ROUNDUP(269.0*196/5.599999999999994,1)", "9415"},
               {"=ROUNDUP(269.0*196/5.599999999999994,0)", "9415"},
               {"=ROUNDDOWN(-269.0*196/5.599999999999994,0)", "-9415"},
               {"=ROUNDDOWN(9414.999999999991,0)", "9415"},
               {"=CEILING(269.0*196/5.599999999999994,0.1)", "9415"},
               {"=FLOOR(9414.999999999991,1)", "9415"},
               // Further than a few units the value is rounded as it is.
               {"=ROUNDUP(9415.0000001,1)", "9415.1"},
               {"=ROUNDDOWN(9414.9999999,0)", "9414"},
               {"=CEILING(9415.0000001,1)", "9416"},
               {"=FLOOR(9414.9999999,1)", "9414"}});
}

TEST_F(FormulaFunctions, ModTakesTheSignOfTheDivisor) {
    expectAll({{"=MOD(-7,3)", "2"},
               {"=MOD(7,-3)", "-2"},
               {"=MOD(-7,-3)", "-1"},
               {"=MOD(5.5,1.1)", "0"},
               {"=MOD(0.3,0.1)", "0"},
               {"=MOD(1,0)", "#DIV/0!"},
               {"=MOD(-0.5,1)", "0.5"},
               {"=MOD(6,3)", "0"}});
}

TEST_F(FormulaFunctions, StepsAndParities) {
    expectAll({{"=CEILING(-2.5,2)", "-2"},
               {"=CEILING(2.5,-2)", "#NUM!"},
               {"=CEILING(-2.5,-2)", "-4"},
               {"=CEILING(5,0)", "0"},
               {"=FLOOR(-2.5,2)", "-4"},
               {"=FLOOR(5,0)", "#DIV/0!"},
               {"=CEILING(0.3,0.1)", "0.3"},
               {"=FLOOR(0.3,0.1)", "0.3"},
               {"=EVEN(0)", "0"},
               {"=ODD(0)", "1"},
               {"=EVEN(-2.1)", "-4"},
               {"=ODD(3)", "3"}});
}

TEST_F(FormulaFunctions, MathDomainsGiveNumErrors) {
    expectAll({{"=SQRT(-1)", "#NUM!"},
               {"=LN(0)", "#NUM!"},
               {"=LOG(-1)", "#NUM!"},
               {"=LOG(8,1)", "#DIV/0!"},
               {"=ACOS(1.5)", "#NUM!"},
               {"=ATAN2(0,0)", "#DIV/0!"},
               {"=0^-1", "#DIV/0!"},
               {"=(-8)^(1/3)", "#NUM!"},
               {"=10^400", "#NUM!"},
               {"=POWER(0,0)", "#NUM!"},
               {"=SIGN(-0.001)", "-1"}});
}

TEST_F(FormulaFunctions, TextInArithmeticCountsWhenItReadsAsANumber) {
    expectAll({{"=A2*3", "6"},
               {"=\" 2.5 \"+1", "3.5"},
               {"=\"1e2\"+0", "100"},
               {"=\"50%\"*2", "1"},
               {"=A4+1", "#VALUE!"},
               {"=\"\"+1", "#VALUE!"},
               {"=\"0x10\"+0", "#VALUE!"},
               {"=\"inf\"+0", "#VALUE!"},
               {"=A3+A3", "2"},
               {"=A5+1", "1"},
               {"=A5&\"x\"", "x"},
               {"=-A2", "-2"},
               {"=\"a\"&TRUE", "aTRUE"},
               {"=\"a\"&1/3", "a0.333333333333333"},
               {"=1E20&\"\"", "1E+20"},
               {"=0.00001&\"\"", "0.00001"},
               {"=-0.0000001&\"\"", "-1E-07"}});
}

TEST_F(FormulaFunctions, RangesSkipTextAndLogicalsButDirectArgumentsCount) {
    expectAll({{"=SUM(A1:A5)", "1"},
               {"=SUM(A1,A2,A3)", "1"},
               {"=SUM(A2,\"3\")", "3"},
               {"=SUM(\"x\")", "#VALUE!"},
               {"=COUNT(A1:A5)", "1"},
               {"=COUNTA(A1:A5)", "4"},
               {"=AVERAGE(A4:A5)", "#DIV/0!"},
               {"=MIN(A4:A5)", "0"},
               {"=MAX(A3,-1)", "-1"},
               {"=PRODUCT(A4:A5)", "0"},
               {"=SUM(A1:A6)", "#DIV/0!"},
               {"=COUNT(A1:A6)", "1"},
               {"=COUNTA(A6)", "1"},
               {"=AND(A4:A5)", "#VALUE!"},
               {"=OR(A1:A5)", "TRUE"}});
}

TEST_F(FormulaFunctions, ErrorsPassThroughOperatorsAndFunctions) {
    expectAll({{"=A6+1", "#DIV/0!"},
               {"=1+A6", "#DIV/0!"},
               {"=NA()+1/0", "#N/A"},
               {"=(1/0)&NA()", "#DIV/0!"},
               {"=ROUND(A6,1)", "#DIV/0!"},
               {"=LEN(NA())", "#N/A"},
               {"=IF(A6,1,2)", "#DIV/0!"},
               {"=IF(TRUE,1,A6)", "1"},
               {"=IFERROR(A6,\"ok\")", "ok"},
               {"=ISERROR(A6)", "TRUE"},
               {"=A6=A6", "#DIV/0!"},
               {"=CHOOSE(3,1,2)", "#VALUE!"},
               {"=#REF!+1", "#REF!"},
               {"=IF(\"x\",1,2)", "#VALUE!"}});
}

TEST_F(FormulaFunctions, ComparisonsOrderNumbersTextLogicals) {
    expectAll({{"=\"abc\"=\"ABC\"", "TRUE"},
               {"=1<\"0\"", "TRUE"},
               {"=\"z\"<TRUE", "TRUE"},
               {"=A5=0", "TRUE"},
               {"=A5=\"\"", "TRUE"},
               {"=A5<1", "TRUE"},
               {"=0.1+0.2=0.3", "TRUE"},
               {"=\"B\">\"a\"", "TRUE"}});
}

TEST_F(FormulaFunctions, LookupsThatMissGiveNotAvailable) {
    e.setNumber(3, 1, 10), e.setNumber(3, 2, 20), e.setNumber(3, 3, 30);
    e.setText(4, 1, "ten"), e.setText(4, 2, "Twenty"), e.setText(4, 3, "thirty");
    expectAll({{"=MATCH(5,C1:C3,1)", "#N/A"},
               {"=MATCH(99,C1:C3)", "3"},
               {"=MATCH(\"TWENTY\",D1:D3,0)", "2"},
               {"=MATCH(20,D1:D3,0)", "#N/A"},
               {"=MATCH(25,C1:C3,-1)", "#N/A"},
               {"=MATCH(1,C1:D3,0)", "#N/A"},
               {"=VLOOKUP(5,C1:D3,2)", "#N/A"},
               {"=VLOOKUP(30,C1:D3,3,FALSE)", "#REF!"},
               {"=VLOOKUP(30,C1:D3,0,FALSE)", "#VALUE!"},
               {"=VLOOKUP(25,C1:D3,2)", "Twenty"},
               {"=HLOOKUP(10,C1:D3,3,FALSE)", "30"},
               {"=INDEX(C1:D3,4,1)", "#REF!"},
               {"=INDEX(C1:D3,2)", "#REF!"},
               {"=INDEX(C1:D3,0,1)", "#VALUE!"},
               {"=INDEX(C1:D3,3,2)", "thirty"},
               {"=INDEX(C1:C3,2)*2", "40"}});
}

TEST_F(FormulaFunctions, TextFunctionsAtTheirBounds) {
    expectAll({{"=LEFT(\"ab\",0)", ""},
               {"=LEFT(\"ab\",-1)", "#VALUE!"},
               {"=RIGHT(\"ab\",5)", "ab"},
               {"=MID(\"abc\",3,5)", "c"},
               {"=MID(\"abc\",4,1)", ""},
               {"=MID(\"abc\",0,1)", "#VALUE!"},
               {"=MID(\"abc\",1,-1)", "#VALUE!"},
               {"=FIND(\"\",\"abc\",2)", "2"},
               {"=FIND(\"c\",\"abc\",4)", "#VALUE!"},
               {"=FIND(\"a\",\"abc\",0)", "#VALUE!"},
               {"=FIND(\"\",\"abc\",4)", "4"},
               {"=SEARCH(\"B\",\"abc\")", "2"},
               {"=SUBSTITUTE(\"aaa\",\"\",\"x\")", "aaa"},
               {"=SUBSTITUTE(\"aaa\",\"a\",\"x\",4)", "aaa"},
               {"=SUBSTITUTE(\"aaa\",\"a\",\"x\",0)", "#VALUE!"},
               {"=REPT(\"ab\",-1)", "#VALUE!"},
               {"=LEN(REPT(\"x\",32767))", "32767"},
               {"=REPT(\"x\",32768)", "#VALUE!"},
               {"=TRIM(\"   \")", ""},
               {"=UPPER(\"\xe9t\xe9\")", "\xc9T\xc9"},
               {"=LOWER(123)", "123"},
               {"=LEN(1/4)", "4"},
               {"=VALUE(\"abc\")", "#VALUE!"},
               {"=VALUE(\"-1.5e1\")", "-15"},
               {"=CONCATENATE(A1,A3,A5,\"!\")", "1TRUE!"}});
}

TEST_F(FormulaFunctions, TextFormatsNumbers) {
    expectAll({{"=TEXT(1234567.891,\"#,##0.00\")", "1,234,567.89"},
               {"=TEXT(-2.5,\"0\")", "-3"},
               {"=TEXT(0.125,\"0.0%\")", "12.5%"},
               {"=TEXT(0.5,\"#.00\")", ".50"},
               {"=TEXT(12345,\"0.00E+00\")", "1.23E+04"},
               {"=TEXT(7,\"\"\"n=\"\"0\")", "n=7"},
               {"=TEXT(-4,\"0;(0)\")", "(4)"},
               {"=TEXT(1.5,\"General\")", "1.5"},
               {"=TEXT(\"abc\",\"0\")", "abc"},
               {"=TEXT(-0.001,\"0.00\")", "0.00"}});
}

}  // namespace
