#include "vn_standards_calc_names.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string translate(const VnStandardsCalcNames& t, std::string_view text) {
    std::string out;
    t.apply(text, out);
    return out;
}

bool plainNumber(std::string_view s) {
    std::string copy(s);
    char* end = nullptr;
    std::strtod(copy.c_str(), &end);
    return !copy.empty() && *end == '\0';
}

}  // namespace

TEST(CalcNames, ReplacesWholeWordsOnly) {
    VnStandardsCalcNames gen;
    gen.quoteNonNumbers(plainNumber);
    gen.add("W", "200");
    gen.add("Grade", "S355");
    EXPECT_EQ(translate(gen, "W*2"), "200*2");
    EXPECT_EQ(translate(gen, "WIDTH+W_1+W1+_W"), "WIDTH+W_1+W1+_W");
    EXPECT_EQ(translate(gen, "(W)+W.x"), "(200)+200.x");
    EXPECT_EQ(translate(gen, "IF(Grade=Grade,W,0)"), "IF(\"S355\"=\"S355\",200,0)");
    std::string out;
    EXPECT_FALSE(gen.apply("WIDTH", out));
    EXPECT_EQ(out, "WIDTH");
}

TEST(CalcNames, InsertedCoordinatesAreNeverTranslatedAgain) {
    VnStandardsCalcNames t;
    t.add("Width", "B12");
    t.add("B12", "C3");  // a variable named like a cell
    EXPECT_EQ(translate(t, "Width*2"), "B12*2");
    EXPECT_EQ(translate(t, "B12+Width"), "C3+B12");
}

TEST(CalcNames, StringLiteralsAreLeftAlone) {
    VnStandardsCalcNames t;
    t.add("Width", "B2");
    t.add("K", "B3");
    EXPECT_EQ(translate(t, "IF(K=\"Width\",Width,\"K \"\"Width\"\"\")"),
              "IF(B3=\"Width\",B2,\"K \"\"Width\"\"\")");
    EXPECT_EQ(translate(t, "\"unclosed Width"), "\"unclosed Width");
}

TEST(CalcNames, TheEarliestDeclaredMatchingNameWins) {
    VnStandardsCalcNames t;
    t.add("Plate", "A1");
    t.add("Plate.Width", "A2");  // names may hold "." and blanks
    t.add("End plate", "A3");
    t.add("Plate", "Z9");  // a later duplicate changes nothing
    EXPECT_EQ(translate(t, "Plate.Width+End plate"), "A1.Width+A3");
    VnStandardsCalcNames u;
    u.add("Plate.Width", "A2");
    u.add("Plate", "A1");
    EXPECT_EQ(translate(u, "Plate.Width+Plate.Height+Plate"), "A2+A1.Height+A1");
}

TEST(CalcNames, NameAtTheEndAndNamesSharingAPrefix) {
    VnStandardsCalcNames t;
    t.add("Hole", "C1");
    t.add("HoleDia", "C2");
    t.add("", "C3");  // an empty name is ignored
    EXPECT_EQ(translate(t, "HoleDia-Hole"), "C2-C1");
    EXPECT_EQ(translate(t, "Hole"), "C1");
    EXPECT_EQ(translate(t, ""), "");
}
