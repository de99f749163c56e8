#include "ktx_string.h"

#include <gtest/gtest.h>

TEST(KtxString, NumberConstructorsWriteDecimalsAsAsked) {
    EXPECT_EQ(Ktx_String(12), "12");
    EXPECT_EQ(Ktx_String(-3), "-3");
    EXPECT_EQ(Ktx_String(12.0, 6), "12.000000");
    EXPECT_EQ(Ktx_String(2.25, 0), "2");
    EXPECT_EQ(Ktx_String(-0.5, 2), "-0.50");
    EXPECT_EQ(Ktx_String(12.0, 1, false), "12.0");
    EXPECT_EQ(Ktx_String(12.0, 1, true), "12");
    EXPECT_EQ(Ktx_String(12.5, 3, true), "12.5");
    EXPECT_EQ(Ktx_String(100.0, 0, true), "100");  // zeros of the integer part stay
    EXPECT_EQ(Ktx_String(-0.01, 1, true), "0");
}

TEST(KtxString, FormatIsPrintfIntoANewText) {
    EXPECT_EQ(Ktx_String::format("%s=%d;%.2f", "w", 3, 1.005), "w=3;1.00");
    EXPECT_EQ(Ktx_String::format("%s", ""), "");
    EXPECT_EQ(Ktx_String::format("%s", std::string(300, 'x').c_str()).length(), 300);
}

TEST(KtxString, CaseFoldingKnowsAccentedLettersOfTheCodePage) {
    Ktx_String upper("\xC4\xD6\xDC\x8A\x8C\x8E\x9F");  // A/O/U umlaut, S/OE/Z caron, Y diaeresis
    Ktx_String lower("\xE4\xF6\xFC\x9A\x9C\x9E\xFF");
    EXPECT_TRUE(upper.equal(lower, false));
    EXPECT_FALSE(upper.equal(lower, true));
    EXPECT_EQ(lower.toUpper(), upper);
    EXPECT_EQ(upper.toLower(), lower);
    // Multiplication and division signs and sharp s are not letters with a case partner.
    EXPECT_EQ(Ktx_String("\xD7\xF7\xDF").toUpper(), "\xD7\xF7\xDF");
    EXPECT_EQ(Ktx_String("\xD7\xF7\xDF").toLower(), "\xD7\xF7\xDF");
}

TEST(KtxString, ComparisonFlagTrueIsCaseSensitive) {
    Ktx_String text("Double Width");
    EXPECT_TRUE(text.startsWith("double", false));
    EXPECT_FALSE(text.startsWith("double", true));
    EXPECT_TRUE(text.endsWith("WIDTH", false));
    EXPECT_FALSE(text.endsWith("WIDTH", true));
    EXPECT_TRUE(text.contains("e w", false));
    EXPECT_FALSE(text.contains("e w", true));
    EXPECT_TRUE(Ktx_String("Mapping version 1.0").hasSubString("VERSION", false));
    EXPECT_EQ(text.findFirstFrom("D", 1, false), 9);
    EXPECT_EQ(text.findFirstFrom("D", 1, true), -1);
}

TEST(KtxString, EmptyTextsAtTheEdges) {
    Ktx_String empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty.startsWith(""));
    EXPECT_TRUE(empty.endsWith(""));
    EXPECT_FALSE(empty.startsWith("a"));
    EXPECT_EQ(empty.findFirstFrom("a"), -1);
    EXPECT_EQ(empty.findLastFrom("a"), -1);
    EXPECT_EQ(empty.getSubStringAt(0), "");
    EXPECT_EQ(empty.charAt(0), '\0');
    EXPECT_EQ(Ktx_String(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(Ktx_String("abc").findFirstFrom("", 3), 3);
    EXPECT_EQ(Ktx_String("abc").findFirstFrom("", 4), -1);
}

TEST(KtxString, SearchesFromAPosition) {
    Ktx_String path("a.b.c");
    EXPECT_EQ(path.findFirstFrom(".", 0), 1);
    EXPECT_EQ(path.findFirstFrom(".", 2), 3);
    EXPECT_EQ(path.findFirstFrom(".", -5), 1);
    EXPECT_EQ(path.findLastFrom("."), 3);
    EXPECT_EQ(path.findLastFrom(".", 2), 1);
    EXPECT_EQ(path.findLastFrom(".", 0), -1);
    EXPECT_EQ(path.findLastFrom("a.b.c.d"), -1);
}

TEST(KtxString, SubStringClipsAndBadStartGivesEmpty) {
    Ktx_String text("abcdef");
    EXPECT_EQ(text.getSubStringAt(2, 2), "cd");
    EXPECT_EQ(text.getSubStringAt(4, 100), "ef");
    EXPECT_EQ(text.getSubStringAt(6), "");
    EXPECT_EQ(text.getSubStringAt(7), "");
    EXPECT_EQ(text.getSubStringAt(-1, 2), "");
}

TEST(KtxString, InsertAndRemoveRejectBadPositionsAndKeepTheText) {
    Ktx_String text("abc");
    EXPECT_EQ(text.insertAt(3, "d"), Acad::eOk);
    EXPECT_EQ(text.insertAt(0, "<"), Acad::eOk);
    EXPECT_EQ(text, "<abcd");
    EXPECT_EQ(text.insertAt(6, "x"), Acad::eInvalidInput);
    EXPECT_EQ(text.insertAt(-1, "x"), Acad::eInvalidInput);
    EXPECT_EQ(text.removeAt(5), Acad::eInvalidInput);
    EXPECT_EQ(text.removeAt(0, 0), Acad::eInvalidInput);
    EXPECT_EQ(text, "<abcd");
    EXPECT_EQ(text.removeAt(3, 99), Acad::eOk);
    EXPECT_EQ(text, "<ab");
}

TEST(KtxString, ReplaceDoesNotRescanInsertedText) {
    Ktx_String text("aaa");
    EXPECT_EQ(text.replaceSubString("a", "aa"), 3);
    EXPECT_EQ(text, "aaaaaa");
    Ktx_String one("x-X-x");
    EXPECT_EQ(one.replaceSubString("x", "y", false, false), 1);
    EXPECT_EQ(one, "y-X-x");
    EXPECT_EQ(one.replaceSubString("x", "z", true, false), 2);
    EXPECT_EQ(one, "y-z-z");
    EXPECT_EQ(one.replaceSubString("", "q"), 0);
}

TEST(KtxString, KeepsEveryByteIncludingZeroAndHighBytes) {
    const char bytes[] = {'a', '\0', '\x95', '\x83', '\xBF', '\xA4'};
    Ktx_String text(bytes, 6);
    EXPECT_EQ(text.length(), 6);
    EXPECT_EQ(text.findFirstFrom("\xBF"), 4);
    Ktx_String copy = text + Ktx_String("z");
    EXPECT_EQ(copy.length(), 7);
    EXPECT_EQ(copy.str().substr(0, 6), std::string(bytes, 6));
}
