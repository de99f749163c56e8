#include "std_size_file.h"

#include <gtest/gtest.h>

TEST(StdSizeFile, ReadsPairsSinglesAndSkipsComments) {
    const auto list = StdSizeFile::parse({"/* plate widths */", "100 x 10 // common", "", "  ",
                                          "120x12", "/* 130 x 10 */", "150", "// 170 x 10"});
    ASSERT_EQ(list.size(), 4u);  // the blank line "  " counts, and gives 0
    EXPECT_DOUBLE_EQ(list[0].a, 100.0);
    EXPECT_DOUBLE_EQ(list[0].b, 10.0);
    EXPECT_DOUBLE_EQ(list[1].a, 0.0);
    EXPECT_DOUBLE_EQ(list[2].a, 120.0);
    EXPECT_DOUBLE_EQ(list[2].b, 12.0);
    EXPECT_DOUBLE_EQ(list[3].a, 150.0);
    EXPECT_DOUBLE_EQ(list[3].b, 0.0);
}

TEST(StdSizeFile, DamagedLinesGiveZerosNotFailures) {
    const auto list = StdSizeFile::parse({"abc", "x", "12.5 x thick"});
    ASSERT_EQ(list.size(), 3u);
    EXPECT_DOUBLE_EQ(list[0].a, 0.0);
    EXPECT_DOUBLE_EQ(list[1].a, 0.0);
    EXPECT_DOUBLE_EQ(list[2].a, 12.5);
    EXPECT_DOUBLE_EQ(list[2].b, 0.0);
}

TEST(StdSizeFile, WidthsForAThicknessIncludeAnyThicknessLinesSorted) {
    const auto list = StdSizeFile::parse({"150", "120 x 10", "100 x 10", "110 x 12"});
    EXPECT_EQ(StdSizeFile::widthsFor(list, 10.0), (std::vector<double>{100, 120, 150}));
    EXPECT_EQ(StdSizeFile::widthsFor(list, 12.0), (std::vector<double>{110, 150}));
    EXPECT_EQ(StdSizeFile::sizes(list), (std::vector<double>{150, 120, 100, 110}));
    EXPECT_EQ(StdSizeFile::thicknesses(list), (std::vector<double>{0, 10, 10, 12}));
    // A long list is sorted the same way.
    std::vector<std::string> lines;
    std::vector<double> sorted;
    for (int w = 400; w >= 10; w -= 10) lines.push_back(std::to_string(w) + " x 8");
    for (int w = 10; w <= 400; w += 10) sorted.push_back(w);
    EXPECT_EQ(StdSizeFile::widthsFor(StdSizeFile::parse(lines), 8.0), sorted);
}

TEST(StdSizeFile, ABlockCommentOverSeveralLinesEndsAtItsCloseOnALaterLine) {
    const auto list = StdSizeFile::parse(
        {"100 /* widths kept", "for the old stock:", "110 x 10", "*/ 120", "130"});
    ASSERT_EQ(list.size(), 3u);  // no size 0 from the comment's words, 110 commented out
    EXPECT_DOUBLE_EQ(list[0].a, 100.0);
    EXPECT_DOUBLE_EQ(list[1].a, 120.0);
    EXPECT_DOUBLE_EQ(list[2].a, 130.0);
}

TEST(StdSizeFile, AnUnclosedOrLineCommentedBlockCommentEndsAtItsLine) {
    const auto unclosed = StdSizeFile::parse({"100 /* never closed", "110", "120"});
    ASSERT_EQ(unclosed.size(), 3u);
    EXPECT_DOUBLE_EQ(unclosed[1].a, 110.0);
    const auto lineCommented = StdSizeFile::parse({"100 // old /* note", "110", "120 */ x"});
    ASSERT_EQ(lineCommented.size(), 3u);
    EXPECT_DOUBLE_EQ(lineCommented[1].a, 110.0);
}
