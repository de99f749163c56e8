// A map whose erased nodes are reused: what a reused node held before must never show.
#include "spare_nodes.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>

namespace {

using Map = std::unordered_map<int, std::string>;

TEST(SpareNodes, ReusedNodesStartEmptyAndCopiesHoldExactlyTheOtherMap) {
    Map map;
    SpareNodes<Map> spares;
    spares.at(map, 1) = "one";
    spares.at(map, 2) = "two";
    spares.erase(map, map.find(1));
    EXPECT_EQ(spares.at(map, 3), "");  // takes the node that held "one"
    EXPECT_EQ(spares.at(map, 2), "two");
    EXPECT_EQ(map.count(1), 0u);

    Map other{{7, "seven"}, {8, "eight"}};
    spares.assign(map, other);
    EXPECT_EQ(map, other);
    spares.assign(map, Map{});
    EXPECT_TRUE(map.empty());
    spares.assign(map, other);  // every node from the spares
    EXPECT_EQ(map, other);

    Map large;
    for (int i = 0; i < 200; ++i) large[i] = std::to_string(i);
    spares.assign(map, large);
    EXPECT_EQ(map, large);
    for (int i = 0; i < 150; ++i) spares.erase(map, map.find(i));
    EXPECT_EQ(map.size(), 50u);
    spares.assign(map, other);
    EXPECT_EQ(map, other);
    EXPECT_EQ(spares.at(map, 100), "");
}

}  // namespace
