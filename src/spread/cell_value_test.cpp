#include "cell_value.h"

#include <gtest/gtest.h>

#include <limits>

TEST(CellValueText, DoublesShowTwoDecimalsOrTruncateWithout) {
    EXPECT_EQ(doubleToText(3.14159, 2), "3.14");
    EXPECT_EQ(doubleToText(2.0, 5), "2.00");  // any positive count gives two decimals
    EXPECT_EQ(doubleToText(-7.9, 0), "-7");
    EXPECT_EQ(doubleToText(7.9, -1), "7");
    EXPECT_EQ(longToText(-42), "-42");
}

TEST(CellValueText, TruncationOfOutOfRangeDoublesIsBounded) {
    EXPECT_EQ(doubleToText(std::numeric_limits<double>::quiet_NaN(), 0), "0");
    EXPECT_EQ(doubleToText(1e300, 0), longToText(std::numeric_limits<long>::max()));
    EXPECT_EQ(doubleToText(-1e300, 0), longToText(std::numeric_limits<long>::min()));
}
