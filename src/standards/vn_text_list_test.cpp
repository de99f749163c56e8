#include "vn_text_list.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(VnTextList, AbsentEmptyAndSetTextsAreToldApartAndEachEndsWithANul) {
    VnTextList list;
    list.push_back(std::nullopt);
    list.push_back(std::string_view(""));
    list.push_back(std::string_view("L1 = A + 2"));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_FALSE(list.has(0));
    EXPECT_EQ(list[0], "");
    EXPECT_TRUE(list.has(1));
    EXPECT_EQ(list[1], "");
    EXPECT_EQ(list[2], "L1 = A + 2");
    EXPECT_EQ(std::strlen(list[2].data()), list[2].size());

    // Set again, shorter and out of order, after a resize that makes every text absent.
    list.set(2, "L1");
    EXPECT_EQ(list[2], "L1");
    EXPECT_EQ(std::strlen(list[2].data()), 2u);
    list.resize(4);
    EXPECT_FALSE(list.has(2));
    list.set(3, "x");
    list.set(0, "y");
    EXPECT_EQ(list[3], "x");
    EXPECT_EQ(list[0], "y");
    EXPECT_FALSE(list.has(1));
}
