// Line splitting over the line ends editors write, mixed in one text: the search for the next
// line end is kept across lines, so each kind must still end exactly its own line.
#include "text_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Lines = std::vector<std::string_view>;

}  // namespace

TEST(TextLines, EveryKindOfLineEndEndsOneLineAlsoWhenMixed) {
    EXPECT_EQ(textLines(""), Lines{});
    EXPECT_EQ(textLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(textLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(textLines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(textLines("\n\n"), (Lines{"", ""}));
    // Lone CRs before the first LF, a CR CR LF, an LF CR, and a CR as the last byte.
    EXPECT_EQ(textLines("a\rb\rc\nd\r\r\ne\n\rf\r"), (Lines{"a", "b", "c", "d", "", "e", "", "f"}));
    // LFs before the first CR, then a CRLF.
    EXPECT_EQ(textLines("a\nb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
}

TEST(TextLines, ALongRunOfLoneCrLinesIsFollowedByItsLfLines) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += std::to_string(i) + "\r";
    text += "last\nafter";
    const Lines lines = textLines(text);
    ASSERT_EQ(lines.size(), 1002u);
    EXPECT_EQ(lines[999], "999");
    EXPECT_EQ(lines[1000], "last");
    EXPECT_EQ(lines[1001], "after");
}
