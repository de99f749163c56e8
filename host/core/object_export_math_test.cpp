#include "object_export_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RoundTo, RoundsToTheNearestMultipleWithTiesAwayFromZero) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(112.0, 5.0), 110.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(113.0, 5.0), 115.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.5, 5.0), 15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-12.5, 5.0), -15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-12.4, 5.0), -10.0);
}

TEST(RoundTo, DecimalStepsAreNotFooledByBinaryFractions) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(0.15, 0.1), 0.2);  // a tie, not 1.4999... steps
    EXPECT_NEAR(ObjectExportRoundTo(0.3, 0.1), 0.3, 1e-12);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(2.675, 0.01), 2.68);
}

TEST(RoundTo, NegativeStepActsLikeItsMagnitudeAndZeroStepKeepsTheValue) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(112.0, -5.0), 110.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(112.3, 0.0), 112.3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.0, nan), 7.0);
    EXPECT_TRUE(std::isnan(ObjectExportRoundTo(nan, 5.0)));
}

TEST(RoundUp, GoesToTheNextMultipleWithinTheAllowedRise) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(111.0, 5.0, 10.0), 115.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(110.0, 5.0, 10.0), 110.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(-11.0, 5.0, 10.0), -10.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(111.0, -5.0, 10.0), 115.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(0.30000000000000004, 0.1, 0.0), 0.30000000000000004);
}

TEST(RoundUp, KeepsTheValueWhenTheNextMultipleRisesTooFar) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(111.0, 5.0, 3.0), 111.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(111.0, 5.0, 4.0), 115.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(111.0, 5.0, -1.0), 111.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(111.0, 0.0, 10.0), 111.0);
}

TEST(CommentRemoval, BlockCommentsAnywhereInTheLine) {
    EXPECT_EQ(removeComments("100 x 10 /* common */"), "100 x 10 ");
    EXPECT_EQ(removeComments("/*a*/120/*b*/ x 12"), "120 x 12");
    EXPECT_EQ(removeComments("150 /* never closed x 3"), "150 ");
    EXPECT_EQ(removeComments("/**/"), "");
    EXPECT_EQ(removeComments("no comment"), "no comment");
}

TEST(CommentRemoval, LineCommentCutsTheRest) {
    EXPECT_EQ(removeLineComment("M16\t18 // normal hole"), "M16\t18 ");
    EXPECT_EQ(removeLineComment("// whole line"), "");
    EXPECT_EQ(removeLineComment("a / b"), "a / b");
}
