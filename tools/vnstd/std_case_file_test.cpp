#include "std_case_file.h"

#include <gtest/gtest.h>

namespace {

struct BadCase {
    const char* text;
    const char* error;
};

TEST(StdCaseFile, MistakesAreReportedWithTheirLine) {
    const BadCase cases[] = {
        {"standard S\nmacro m\nkeys K\n", "line 3: unknown keyword 'keys'"},
        {"standard S\nstandard T\n", "line 2: a second 'standard' line"},
        {"standard\n", "line 1: 'standard' needs a value"},
        {"standard S\nmacro m\nkey K\nexpect Width 3\n", "line 4: 'expect' needs NAME = VALUE"},
        {"standard S\nexpect = 3\n", "line 2: 'expect' needs a name before '='"},
        {"standard S\nexpect W = 3 +- x\n", "line 2: the tolerance after '+-' is no number >= 0"},
        {"gen = 1\n", "line 1: 'gen' needs a name before '='"},
        {"macro m\nkey K\nexpect W = 1\n", "no 'standard' line"},
        {"standard S\nmacro m\nkey K\nmodule G\nexpect W = 1\n",
         "give exactly one of a 'key' and a 'module' line"},
        {"standard S\nmacro m\nmodule G\n", "no 'expect' line"},
        {"", "no 'standard' line"},
    };
    for (const BadCase& c : cases) {
        StdCase parsed;
        std::string error;
        EXPECT_FALSE(parseStdCase(c.text, parsed, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(StdCaseFile, ReadsEveryLineKind) {
    const std::string text =
        "  # comment\r\n\r\nstandard  Child/X.vns \r\nmacro ../m.macro\r\nmodule Ends\r\n"
        "gen gen_Gap = 8\r\nexpect Beam.Name = IPE 300\r\nexpect W=12.5 +- 0.1\r\nexpect E =";
    StdCase c;
    std::string error;
    ASSERT_TRUE(parseStdCase(text, c, error)) << error;
    EXPECT_EQ(c.standard, "Child/X.vns");
    EXPECT_EQ(c.macro, "../m.macro");
    EXPECT_EQ(c.module, "Ends");
    ASSERT_EQ(c.genVars.size(), 1u);
    EXPECT_EQ(c.genVars[0], (std::pair<std::string, std::string>("gen_Gap", "8")));
    ASSERT_EQ(c.expects.size(), 3u);
    EXPECT_EQ(c.expects[0].value, "IPE 300");
    EXPECT_EQ(c.expects[0].line, 7);
    EXPECT_FALSE(c.expects[0].tolerance);
    EXPECT_EQ(c.expects[1].name, "W");
    EXPECT_EQ(c.expects[1].value, "12.5");
    EXPECT_DOUBLE_EQ(*c.expects[1].tolerance, 0.1);
    EXPECT_EQ(c.expects[2].value, "");
    EXPECT_EQ(text.substr(c.expects[1].valueBegin, c.expects[1].valueEnd - c.expects[1].valueBegin),
              "12.5");
}

TEST(StdCaseFile, NumbersCompareWithinTheToleranceTextExactly) {
    StdCaseExpect e;
    e.value = "180";
    EXPECT_TRUE(stdCaseValueMatches(e, "180.0000000"));
    EXPECT_FALSE(stdCaseValueMatches(e, "180.01"));
    e.tolerance = 0.05;
    EXPECT_TRUE(stdCaseValueMatches(e, "180.04"));
    EXPECT_FALSE(stdCaseValueMatches(e, "179.9"));
    e.value = "IPE-300";
    EXPECT_TRUE(stdCaseValueMatches(e, "IPE-300"));
    EXPECT_FALSE(stdCaseValueMatches(e, "ipe-300"));
    e.value = "";
    EXPECT_TRUE(stdCaseValueMatches(e, ""));
    EXPECT_FALSE(stdCaseValueMatches(e, "0"));
}

TEST(StdCaseFile, NewValuesKeepEverythingElse) {
    const std::string text = "standard S\nmacro m\nkey K\nexpect A = 1  +- 0.5 \nexpect B =\n";
    StdCase c;
    std::string error;
    ASSERT_TRUE(parseStdCase(text, c, error)) << error;
    EXPECT_EQ(stdCaseWithValues(text, c.expects, {"2.25", "x y"}),
              "standard S\nmacro m\nkey K\nexpect A = 2.25  +- 0.5 \nexpect B = x y\n");
    EXPECT_TRUE(stdCaseValueWritable("IPE 300"));
    EXPECT_FALSE(stdCaseValueWritable(" lead"));
    EXPECT_FALSE(stdCaseValueWritable("two\nlines"));
    EXPECT_FALSE(stdCaseValueWritable("a +- b"));
}

}  // namespace
