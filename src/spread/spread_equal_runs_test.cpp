#include "spread_equal_runs.h"

#include <gtest/gtest.h>

using spread_runs::equalRuns;
using Runs = std::vector<spread_runs::Run>;

TEST(EqualRuns, JoinsEachRunAndLeavesEmptyTextsAlone) {
    // a, a, (empty), (empty), b, b, b: the last run reaches the end and is joined too.
    EXPECT_EQ(equalRuns({"a", "a", "", "", "b", "b", "b"}), (Runs{{0, 2}, {4, 3}}));
}

TEST(EqualRuns, SingleTextsAndNeighboursThatDifferGiveNoRun) {
    EXPECT_TRUE(equalRuns({}).empty());
    EXPECT_TRUE(equalRuns({"a"}).empty());
    EXPECT_TRUE(equalRuns({"a", "b", "a"}).empty());
    EXPECT_EQ(equalRuns({"a", "A", "A"}), (Runs{{1, 2}}));  // exact bytes
}
