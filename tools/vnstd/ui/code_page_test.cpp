#include "code_page.h"

#include <gtest/gtest.h>

TEST(CodePage, TextCrossesToThePageAndBackUnchanged) {
    const std::string module = "x\xA4y \x80 \xE9\x96";
    EXPECT_EQ(utf8FromCp1252(module), "x\u00A4y \u20AC \u00E9\u2013");
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(module)), module);
}

TEST(CodePage, CharactersTheCodePageLacksAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(cp1252FromUtf8("\u4E2D!"), "?!");
    EXPECT_EQ(cp1252FromUtf8("a\xC3"), "a?");
    EXPECT_EQ(cp1252FromUtf8("\xFF"
                             "b"),
              "?b");
    EXPECT_EQ(utf8FromCp1252("\x81"), "?");
}

TEST(CodePage, EveryStringOfAStateIsConverted) {
    nlohmann::json state = {{"text", "\xE9"}, {"items", {"\x80", 3}}};
    jsonStringsToUtf8(state);
    EXPECT_EQ(state["text"], "\u00E9");
    EXPECT_EQ(state["items"][0], "\u20AC");
    EXPECT_EQ(state["items"][1], 3);
}
