// Reading formulas: precedence, literals, references, errors with their positions, the
// nesting limit, and printing formulas back in both reference styles.
#include "formula_parser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "formula_builtins.h"
#include "formula_test_util.h"

namespace {

TEST(FormulaParser, OperatorsBindInTheDesktopOrder) {
    FormulaEngine e;
    EXPECT_EQ(evalText(e, "=-2^2"), "4");    // unary minus before ^
    EXPECT_EQ(evalText(e, "=2^3^2"), "64");  // ^ from the left
    EXPECT_EQ(evalText(e, "=2+3*4^2/8-1"), "7");
    EXPECT_EQ(evalText(e, "=1+2&3+4"), "37");  // & below arithmetic
    EXPECT_EQ(evalText(e, "=1+2=3"), "TRUE");  // comparison lowest
    EXPECT_EQ(evalText(e, "=\"a\"&1=\"A1\""), "TRUE");
    EXPECT_EQ(evalText(e, "=-50%"), "-0.5");
    EXPECT_EQ(evalText(e, "=200%%"), "0.02");
    EXPECT_EQ(evalText(e, "=2*-3"), "-6");
    EXPECT_EQ(evalText(e, "=10-2-3"), "5");  // left to right
    EXPECT_EQ(evalText(e, "=48/4/2"), "6");
}

TEST(FormulaParser, EveryBuiltInIsFoundByItsNameInAnyCase) {
    FormulaEngine e;
    for (int i = 0; i < builtinCount(); ++i) {
        const std::string name(builtinAt(i).name);
        EXPECT_EQ(findBuiltin(name), i) << name;
        std::string lower = name;
        for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        // Refused only for its argument count, never as an unknown name.
        EXPECT_NE(e.checkFormula(1, 1, "=" + lower + "()").status, FormulaStatus::UnknownName)
            << lower;
        EXPECT_EQ(findBuiltin(name + "X"), -1) << name;
    }
    for (const char* notOne : {"", "A", "ZZZ", "@SUM", "SUMX", "[SUM"})
        EXPECT_EQ(findBuiltin(notOne), -1) << notOne;
}

TEST(FormulaParser, LiteralsReadAsWritten) {
    FormulaEngine e;
    EXPECT_EQ(evalText(e, "=\"say \"\"hi\"\"\""), "say \"hi\"");
    EXPECT_EQ(evalText(e, "=.5+1E2"), "100.5");
    EXPECT_EQ(evalText(e, "=true"), "TRUE");
    EXPECT_EQ(evalText(e, "=#n/a"), "#N/A");
    EXPECT_EQ(evalText(e, " = 1 + 2 "), "3");
    EXPECT_EQ(evalText(e, "1+2"), "3");  // the "=" is optional
}

TEST(FormulaParser, NumberLiteralsReadAsTheNearestDouble) {
    FormulaEngine e;
    std::mt19937_64 rng(20261209);
    for (int i = 0; i < 3000; ++i) {
        std::string text = randomDecimalText(rng, 17);
        if (i % 7 == 0) text += "E-" + std::to_string(i % 10);
        ASSERT_TRUE(e.setFormula(1, 1, "=" + text)) << text;
        EXPECT_EQ(e.value(1, 1).number, std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(FormulaParser, SyntaxErrorsSayWhere) {
    FormulaEngine e;
    struct Case {
        const char* text;
        FormulaStatus status;
        int position;
    } cases[] = {
        {"=1+", FormulaStatus::SyntaxError, 3},
        {"=(1+2", FormulaStatus::SyntaxError, 5},
        {"=1+2)", FormulaStatus::SyntaxError, 4},
        {"=\"open", FormulaStatus::SyntaxError, 1},
        {"=SUM(1,,2)", FormulaStatus::SyntaxError, 7},
        {"=1 2", FormulaStatus::SyntaxError, 3},
        {"=", FormulaStatus::SyntaxError, 1},
        {"=A1:", FormulaStatus::SyntaxError, 4},
        {"=WIDTH*2", FormulaStatus::UnknownName, 1},
        {"=NOSUCH(1)", FormulaStatus::UnknownName, 1},
        {"=ROUND(1)", FormulaStatus::SyntaxError, 1},
        {"=1+@", FormulaStatus::SyntaxError, 3},
    };
    for (const Case& c : cases) {
        FormulaResult r = e.checkFormula(1, 1, c.text);
        EXPECT_EQ(r.status, c.status) << c.text;
        EXPECT_EQ(r.position, c.position) << c.text << ": " << r.message;
        EXPECT_FALSE(r.message.empty());
    }
}

TEST(FormulaParser, RefusedFormulaLeavesTheCellAsItWas) {
    FormulaEngine e;
    ASSERT_TRUE(e.setFormula(1, 1, "=2*3"));
    EXPECT_FALSE(e.setFormula(1, 1, "=WIDTH+1"));
    EXPECT_EQ(e.formulaText(1, 1), "2*3");
    EXPECT_EQ(cellText(e, 1, 1), "6");
}

std::string nested(int levels) {
    return "=" + std::string(static_cast<std::size_t>(levels), '(') + "1" +
           std::string(static_cast<std::size_t>(levels), ')');
}

TEST(FormulaParser, NestingIsCappedExactlyAtTheLimit) {
    FormulaEngine e;
    EXPECT_TRUE(e.checkFormula(1, 1, nested(kMaxFormulaDepth)));
    FormulaResult past = e.checkFormula(1, 1, nested(kMaxFormulaDepth + 1));
    EXPECT_EQ(past.status, FormulaStatus::TooComplex);
    EXPECT_EQ(past.position, kMaxFormulaDepth + 1);  // at the parenthesis one too deep
    std::string minuses(static_cast<std::size_t>(kMaxFormulaDepth), '-');
    EXPECT_TRUE(e.checkFormula(1, 1, "=" + minuses + "1"));
    EXPECT_EQ(e.checkFormula(1, 1, "=-" + minuses + "1").status, FormulaStatus::TooComplex);
    // Very deep input is refused without exhausting the stack.
    EXPECT_FALSE(e.checkFormula(1, 1, nested(1000000)));
}

TEST(FormulaParser, LoaderKeepsUnknownFunctionsAsNameErrors) {
    FormulaEngine e;
    ASSERT_TRUE(e.setFormula(1, 1, "=ROUNDTO(A2,5)+1", FormulaSetMode::Loader));
    EXPECT_EQ(cellText(e, 1, 1), "#NAME?");
    EXPECT_EQ(e.formulaText(1, 1), "ROUNDTO(A2,5)+1");
}

TEST(FormulaParser, FormulaPrintsBackInBothReferenceStyles) {
    FormulaEngine e;
    ASSERT_TRUE(e.setFormula(3, 5, "=sum($A$1:B2, c$4) * (1+2%) & \"x\"\"y\" <> -aB10"));
    EXPECT_EQ(e.formulaText(3, 5), "SUM($A$1:B2,C$4)*(1+2%)&\"x\"\"y\"<>-AB10");
    e.setRefStyle(FormulaRefStyle::R1C1);
    EXPECT_EQ(e.formulaText(3, 5), "SUM(R1C1:R[-3]C[-1],R4C)*(1+2%)&\"x\"\"y\"<>-R[5]C[25]");
    // The printed text reads back to the same formula.
    ASSERT_TRUE(e.setFormula(3, 6, "=R[-1]C*2+RC[-2]"));
    e.setRefStyle(FormulaRefStyle::A1);
    EXPECT_EQ(e.formulaText(3, 6), "C5*2+A6");
}

TEST(FormulaParser, ReferencesOutsideTheSheetAreNotReferences) {
    FormulaEngine e;
    EXPECT_EQ(e.checkFormula(1, 1, "=A0").status, FormulaStatus::UnknownName);
    EXPECT_EQ(e.checkFormula(1, 1, "=AAAA1").status, FormulaStatus::UnknownName);
    EXPECT_TRUE(e.checkFormula(1, 1, "=ZZZ16777216"));
    EXPECT_FALSE(e.checkFormula(1, 1, "=A16777217"));
    e.setRefStyle(FormulaRefStyle::R1C1);
    EXPECT_FALSE(e.checkFormula(1, 1, "=R[-1]C"));  // above row 1
    EXPECT_TRUE(e.checkFormula(1, 2, "=R[-1]C"));
}

}  // namespace
