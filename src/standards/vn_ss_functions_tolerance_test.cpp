#include "vn_ss_functions_tolerance.h"

#include <gtest/gtest.h>

#include "std_size_file.h"

namespace {

double pick(std::vector<double> c, double v, double step, double down, double up) {
    return VnSSFunctionsTolerance::choose(c, VnToleranceQuery{v, step, down, up});
}

}  // namespace

TEST(Tolerance, WidthExampleTakesTheNearerWidthAboveWithinTolerance) {
    const auto list = StdSizeFile::parse({"100 x 10", "120 x 10", "150"});
    const auto widths = StdSizeFile::widthsFor(list, 10.0);
    EXPECT_DOUBLE_EQ(pick(widths, 112, 5, 5, 10), 120.0);
    // Up tolerance 5: neither 120 (8 above) nor 100 (12 below) fits; the width is rounded.
    EXPECT_DOUBLE_EQ(pick(widths, 112, 5, 5, 5), 110.0);
}

TEST(Tolerance, BelowWinsTiesAndAnExactCandidate) {
    EXPECT_DOUBLE_EQ(pick({100, 120}, 110, 1, 10, 10), 100.0);
    EXPECT_DOUBLE_EQ(pick({120, 110, 100}, 110, 1, 0, 10), 110.0);
    // The first of two equal candidates in file order is taken (both are the same number).
    EXPECT_DOUBLE_EQ(pick({120, 100}, 110, 1, 10, 10), 100.0);
}

TEST(Tolerance, FallsBackToTheOtherSideWhenTheNearerOneIsOutOfTolerance) {
    // 105 is nearer above but up is only 2; 98 below lies within down 8.
    EXPECT_DOUBLE_EQ(pick({98, 105}, 101, 1, 8, 2), 98.0);
    // 98 is nearer below but down is only 1.5; 106 above lies within up 6.
    EXPECT_DOUBLE_EQ(pick({98, 106}, 100, 1, 1.5, 6), 106.0);
}

TEST(Tolerance, EmptyListRoundsToTheStepWithinTheTolerances) {
    EXPECT_DOUBLE_EQ(pick({}, 112, 5, 5, 5), 110.0);
    EXPECT_DOUBLE_EQ(pick({}, 113, 5, 5, 5), 115.0);
    // Only the multiple above fits: 110 is 3 below, more than down 1.
    EXPECT_DOUBLE_EQ(pick({}, 113, 5, 1, 5), 115.0);
    // No multiple fits: the value itself.
    EXPECT_DOUBLE_EQ(pick({}, 112, 10, 1, 1), 112.0);
}

TEST(Tolerance, ZeroTolerancesStillGiveAValueAndAreReportedInvalid) {
    EXPECT_FALSE(VnSSFunctionsTolerance::tolerancesValid(0, 0));
    EXPECT_FALSE(VnSSFunctionsTolerance::tolerancesValid(5, -5));
    EXPECT_TRUE(VnSSFunctionsTolerance::tolerancesValid(0, 0.1));
    EXPECT_DOUBLE_EQ(pick({100, 120}, 112, 5, 0, 0), 112.0);
    EXPECT_DOUBLE_EQ(pick({100, 120}, 120, 5, 0, 0), 120.0);
    EXPECT_EQ(VnSSFunctionsTolerance::toleranceMessage(0, 0),
              "Invalid tolerances provided.\n DownTolerance is :0.00UpTolerance is :0.00\n"
              "Adding both tolerances should result in a positive value.");
}

TEST(Tolerance, ThicknessesOfAnyThicknessLinesAreZeroCandidates) {
    const auto list = StdSizeFile::parse({"100 x 10", "120 x 12", "150"});
    const auto t = StdSizeFile::thicknesses(list);
    EXPECT_DOUBLE_EQ(pick(t, 11, 1, 2, 2), 10.0);
    EXPECT_DOUBLE_EQ(pick(t, 1, 1, 2, 2), 0.0);
}
