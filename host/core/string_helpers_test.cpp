#include "string_helpers.h"

#include <gtest/gtest.h>

#include "core_random.h"

TEST(StripSymbols, FlagsChooseStartAndEnd) {
    struct Case {
        bool atStart, atEnd;
        const char* expected;
    } cases[] = {{true, false, "Double X  "},
                 {false, true, "  Double X"},
                 {true, true, "Double X"},
                 {false, false, "  Double X  "}};
    for (const auto& c : cases) {
        Ktx_String text("  Double X  ");
        EXPECT_EQ(stripSymbols(text, ' ', c.atStart, c.atEnd), c.expected);
        EXPECT_EQ(text, c.expected);
    }
    Ktx_String blanks("   ");
    EXPECT_EQ(stripSymbols(blanks, ' ', true, true), "");
}

TEST(SubstrBeforeAfter, FlagTrueMeansLastOccurrence) {
    EXPECT_EQ(getSubstrBefore("Plate1.cut.len", ".", true), "Plate1.cut");
    EXPECT_EQ(getSubstrBefore("Plate1.cut.len", ".", false), "Plate1");
    EXPECT_EQ(getSubstrAfter("Double  W", " ", false), " W");
    EXPECT_EQ(getSubstrAfter("Double  W", " ", true), "W");
    // Symbol missing: before keeps the whole text, after is empty.
    EXPECT_EQ(getSubstrBefore("Plate1", ".", true), "Plate1");
    EXPECT_EQ(getSubstrAfter("Int", " ", false), "");
    EXPECT_EQ(getSubstrAfter("Int ", " ", false), "");
    EXPECT_EQ(getSubstrBefore("", ".", true), "");
}

TEST(SplitString, SplitsOnceAtFirstOrLast) {
    Ktx_String left, right;
    EXPECT_TRUE(
        splitString("Plate1\x95"
                    "Distance W",
                    "\x95", left, right, false));
    EXPECT_EQ(left, "Plate1");
    EXPECT_EQ(right, "Distance W");
    EXPECT_TRUE(splitString("a=b=c", "=", left, right, false));
    EXPECT_EQ(right, "b=c");
    EXPECT_TRUE(splitString("a=b=c", "=", left, right, true));
    EXPECT_EQ(left, "a=b");
    EXPECT_FALSE(splitString("abc", "=", left, right, false));
    EXPECT_EQ(left, "abc");
    EXPECT_EQ(right, "");
}

TEST(SplitStringAtSymbol, FlagTrueKeepsEmptyPieces) {
    auto kept = splitStringAtSymbol(
        "\xBF"
        "a\xBF\xBF"
        "b\xBF",
        "\xBF", true);
    ASSERT_EQ(kept.length(), 5);
    EXPECT_EQ(kept[1], "a");
    EXPECT_EQ(kept[3], "b");
    EXPECT_EQ(kept[4], "");
    auto dropped = splitStringAtSymbol(
        "\xBF"
        "a\xBF\xBF"
        "b\xBF",
        "\xBF", false);
    ASSERT_EQ(dropped.length(), 2);
    EXPECT_EQ(dropped[0], "a");
    EXPECT_EQ(splitStringAtSymbol("", "=", true).length(), 1);
    EXPECT_EQ(splitStringAtSymbol("", "=", false).length(), 0);
}

TEST(StrToArr, RoundTripsEveryTextAndKeepsPositions) {
    for (const char* text : {"", "a", ";", "a;;c;d", ";x;", "a;b;"}) {
        EXPECT_EQ(arrToStr(strToArr(text, ";"), ";"), text) << text;
    }
    auto parts = strToArr("g;;3", ";");
    ASSERT_EQ(parts.length(), 3);
    EXPECT_EQ(parts[1], "");
    EXPECT_TRUE(strToArr("", ";").isEmpty());
    auto rows = arrToArrArr(Ktx_StringArray{"1\xBF"
                                            "2",
                                            "3"},
                            "\xBF");
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0][1], "2");
    EXPECT_EQ(arrArrToArr(rows, "\xBF")[0],
              "1\xBF"
              "2");
}

TEST(TextChecks, InvalidFileNameCharsAndNumbers) {
    EXPECT_FALSE(hasInvalidFileNameChars("Width_1 (mm).x"));
    for (const char* bad : {"a\\b", "a/b", "c:", "a*", "a?", "a\"", "<a", "a>", "a|b", "a\tb"}) {
        EXPECT_TRUE(hasInvalidFileNameChars(bad)) << bad;
    }
    for (const char* good : {"0", "-1", "+2.5", ".5", "5.", "1e3", "2.5E-3"}) {
        EXPECT_TRUE(isNumber(good)) << good;
    }
    for (const char* bad : {"", "-", ".", "1e", "1.2.3", " 1", "1 ", "abc", "1x", "e5"}) {
        EXPECT_FALSE(isNumber(bad)) << bad;
    }
}

TEST(GetDuplicates, IndicesOfRepeatsKeepTheFirst) {
    Ktx_StringArray names{"A", "b", "a", "B", "b", "c"};
    EXPECT_EQ(getDuplicates(names, true).asVector(), (std::vector<int>{4}));
    EXPECT_EQ(getDuplicates(names, false).asVector(), (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(getDuplicates(Ktx_StringArray{}).isEmpty());
}

TEST(GenerateRandomString, UsesTheSourceAndFailsCleanly) {
    setCoreRandomSeed(7);
    const Ktx_String first = generateRandomString(24, true);
    setCoreRandomSeed(7);
    EXPECT_EQ(generateRandomString(24, true), first);
    EXPECT_EQ(first.length(), 24);
    for (char c : first.str()) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)));
    setCoreRandomSource([] { return std::optional<std::uint32_t>(61); });
    EXPECT_EQ(generateRandomString(3, true), "999");
    EXPECT_EQ(generateRandomString(3, false), "JJJ");  // letters only: 61 % 52 = 9
    setCoreRandomSource([] { return std::optional<std::uint32_t>(); });
    EXPECT_EQ(generateRandomString(24, true), "");
    EXPECT_EQ(generateRandomString(0, true), "");
    resetCoreRandomSource();
}

TEST(FindNonExistingString, CountsUpUntilFree) {
    Ktx_StringArray names{"Table", "table1", "Table2", "HEA100"};
    EXPECT_EQ(findNonExistingString(names, "New"), "New");
    EXPECT_EQ(findNonExistingString(names, "Table"), "Table3");
    EXPECT_EQ(findNonExistingString(names, "HEA100"), "HEA101");
    EXPECT_EQ(findNonExistingString(Ktx_StringArray{""}, ""), "1");
}

TEST(ColumnLettersAndDigits, EdgeValues) {
    EXPECT_EQ(getAlfabet(1), "A");
    EXPECT_EQ(getAlfabet(26), "Z");
    EXPECT_EQ(getAlfabet(27), "AA");
    EXPECT_EQ(getAlfabet(702), "ZZ");
    EXPECT_EQ(getAlfabet(703), "AAA");
    EXPECT_EQ(getAlfabet(0), "");
    EXPECT_EQ(findFirstNumbers("HEA 100"), 4);
    EXPECT_EQ(findFirstNumbers("HEA"), -1);
    EXPECT_EQ(stripNumbersAtEnd("Bolt12"), "Bolt");
    EXPECT_EQ(stripNumbersAtEnd("123"), "");
}
