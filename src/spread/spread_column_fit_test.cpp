#include "spread_column_fit.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace spread_fit;

TEST(ColumnFit, SharedWidthsFillTheWidthExactly) {
    EXPECT_EQ(shareEqually(100, 3), (std::vector<int>{34, 33, 33}));
    EXPECT_EQ(shareEqually(-5, 2), (std::vector<int>{0, 0}));
    EXPECT_TRUE(shareEqually(10, 0).empty());
}

TEST(ColumnFit, EqualModeCountsTheRowHeaderOnlyWhenShown) {
    const Widths current{40, 10, 10, 10};
    EXPECT_EQ(fitEqual(current, 300, false), (Widths{40, 100, 100, 100}));
    EXPECT_EQ(fitEqual(current, 300, true), (Widths{75, 75, 75, 75}));
}

TEST(ColumnFit, FromColumnSharesWhatTheColumnsBeforeLeave) {
    const Widths current{30, 50, 20, 1, 1};
    // Shown row header (30) and columns 1-2 (70) leave 200 for columns 3 and 4.
    EXPECT_EQ(fitFromColumn(current, 300, true, 3), (Widths{30, 50, 20, 100, 100}));
    EXPECT_EQ(fitFromColumn(current, 300, false, 3), (Widths{30, 50, 20, 115, 115}));
    EXPECT_EQ(fitFromColumn(current, 300, true, 9), current);
}

TEST(ColumnFit, OneColumnTakesTheRestAndNeverGoesNegative) {
    const Widths current{30, 1, 1, 1, 1};
    EXPECT_EQ(fitOneColumn(current, 300, false, 4, 16), (Widths{30, 16, 16, 16, 252}));
    EXPECT_EQ(fitOneColumn(current, 300, true, 1, 16), (Widths{30, 222, 16, 16, 16}));
    EXPECT_EQ(fitOneColumn(current, 40, true, 1, 16)[1], 0);
}

TEST(ColumnFit, ListedWidthsWithAndWithoutRowHeaders) {
    const Widths current{30, 1, 1, 1, 1};
    // Column 0 is the row header: it takes its width only when row headers are shown.
    EXPECT_EQ(fitListed(current, 300, true, {0, 2}, {60, 40}), (Widths{60, 67, 40, 67, 66}));
    EXPECT_EQ(fitListed(current, 300, false, {0, 2}, {60, 40}), (Widths{30, 87, 40, 87, 86}));
    // Unpaired entries and columns beyond the grid are ignored.
    const Widths widths = fitListed(current, 300, false, {9, 1, 3}, {50, 50});
    EXPECT_EQ(widths, (Widths{30, 50, 84, 83, 83}));
    EXPECT_EQ(std::accumulate(widths.begin() + 1, widths.end(), 0), 300);
}
