#include "spread_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "grid.h"
#include "spread_test_host.h"

namespace {

const std::string kSep(1, SpreadSettings::kSeparator);

std::string entry(const std::string& key, int type, const std::string& value) {
    return key + kSep + std::to_string(type) + kSep + value + kSep;
}

std::string tagOf(Ktx_Spread& ss) {
    Ktx_String tag;
    ss.getCellText(0, 0, tag, CellTextKind::Tag);
    return tag.str();
}

class SpreadSettingsTest : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        makeGrid(4, 4);
        path = ::testing::TempDir() + "vn_settings_" + std::to_string(::getpid()) + ".vns";
    }
    void TearDown() override { std::remove(path.c_str()); }

    // Saves the grid to a real file, empties it and loads the file again.
    void saveAndLoad() {
        ASSERT_TRUE(SSSaveToFile(grid(), path.c_str(), false));
        ASSERT_TRUE(SSSetCellTag(grid(), 0, 0, ""));
        ASSERT_TRUE(SSLoadFromFile(grid(), path.c_str()));
    }

    std::string path;
};

TEST_F(SpreadSettingsTest, NewGridGivesTheDefaults) {
    SpreadSettings settings;
    settings.marginLeft = 77;
    settings.varNames.append("stale");
    ASSERT_TRUE(settings.readFromGrid(ss));
    EXPECT_TRUE(settings.loaded);
    EXPECT_EQ(settings.grid, grid());
    EXPECT_EQ(settings.defaultFont, "Tahoma");
    EXPECT_EQ(settings.defaultTextHeight, 13);
    EXPECT_EQ(settings.headerFile, "");
    EXPECT_EQ(settings.footerFile, "");
    EXPECT_EQ((std::vector{settings.marginLeft, settings.marginRight, settings.marginTop,
                           settings.marginBottom}),
              (std::vector{9, 5, 5, 5}));
    EXPECT_TRUE(settings.smartPrint && settings.colors && settings.colHeader &&
                settings.rowHeader && settings.cellSeperators && settings.border);
    EXPECT_TRUE(settings.varNames.isEmpty());
    EXPECT_TRUE(settings.varValues.isEmpty());
}

TEST_F(SpreadSettingsTest, TwoVariablesAreStoredAsFourTextEntriesAfterTheFields) {
    SpreadSettings settings;
    ASSERT_TRUE(settings.setVariables({"Date", "Title"}, {"8 December", "Bill"}));
    Ktx_String text;
    ASSERT_TRUE(settings.toText(text));
    const std::string expected =
        entry("headerFile", 4, "") + entry("footerFile", 4, "") +
        entry("defaultFont", 4, "Tahoma") + entry("defaultTextHeight", 2, "13") +
        entry("marginLeft", 2, "9") + entry("marginRight", 2, "5") + entry("marginTop", 2, "5") +
        entry("marginBottom", 2, "5") + entry("smartPrint", 2, "1") + entry("colors", 2, "1") +
        entry("colHeader", 2, "1") + entry("rowHeader", 2, "1") + entry("cellSeperators", 2, "1") +
        entry("border", 2, "1") + entry("varNames0", 4, "Date") + entry("varNames1", 4, "Title") +
        entry("varValues0", 4, "8 December") + entry("varValues1", 4, "Bill");
    EXPECT_EQ(text.str(), expected);
}

TEST_F(SpreadSettingsTest, SavedAndLoadedSheetKeepsVariablesAndPrintSettings) {
    SpreadSettings written;
    written.readFromGrid(ss);
    written.headerFile = "C:\\Bills\\head.txt";
    written.marginLeft = 20;
    written.marginBottom = -3;
    written.smartPrint = false;
    written.border = false;
    written.defaultTextHeight = 11;
    ASSERT_TRUE(written.setVariables({"Date", "Title"}, {"8 December 2026", "Plates"}));
    ASSERT_TRUE(written.writeToGrid(ss));
    saveAndLoad();

    SpreadSettings read;
    ASSERT_TRUE(read.readFromGrid(ss));
    EXPECT_EQ(read.headerFile, "C:\\Bills\\head.txt");
    EXPECT_EQ(read.marginLeft, 20);
    EXPECT_EQ(read.marginBottom, -3);
    EXPECT_EQ(read.defaultTextHeight, 11);
    EXPECT_FALSE(read.smartPrint);
    EXPECT_FALSE(read.border);
    EXPECT_TRUE(read.colors);
    EXPECT_EQ(read.varNames, written.varNames);
    EXPECT_EQ(read.varValues, written.varValues);
}

TEST_F(SpreadSettingsTest, EveryByteButTheSeparatorSurvivesAFileInEveryText) {
    std::string bytes;
    for (int b = 1; b <= 0xFF; ++b)
        if (b != 0xA4) bytes += static_cast<char>(b);
    SpreadSettings written;
    written.readFromGrid(ss);
    written.footerFile = bytes;
    ASSERT_TRUE(written.setVariables({bytes, "x"}, {"y", bytes}));
    ASSERT_TRUE(written.writeToGrid(ss));
    saveAndLoad();

    SpreadSettings read;
    ASSERT_TRUE(read.readFromGrid(ss));
    EXPECT_EQ(read.footerFile, bytes);
    EXPECT_EQ(read.varNames, written.varNames);
    EXPECT_EQ(read.varValues, written.varValues);
}

// A value with 0xA4 would split into extra entries and shift every later one: the write is
// refused and the grid keeps the editor data it had.
TEST_F(SpreadSettingsTest, TextWithTheSeparatorIsRefusedAndTheTagKept) {
    ASSERT_TRUE(spreadSetVariables(ss, {"Title"}, {"Plates"}));
    const std::string before = tagOf(ss);
    for (const char* bad : {"12 \xA4 each", "\xA4", "end\xA4"}) {
        EXPECT_FALSE(spreadSetVariables(ss, {"Title"}, {bad})) << bad;
        EXPECT_FALSE(spreadSetVariables(ss, {bad}, {"Plates"})) << bad;
        SpreadSettings settings;
        settings.readFromGrid(ss);
        settings.defaultFont = bad;
        EXPECT_FALSE(settings.writeToGrid(ss));
        Ktx_String text = "untouched";
        EXPECT_FALSE(settings.toText(text));
        EXPECT_EQ(text, "untouched");
    }
    EXPECT_EQ(tagOf(ss), before);
}

TEST_F(SpreadSettingsTest, WritesOnlyToTheGridItWasReadFrom) {
    SpreadSettings never;
    EXPECT_FALSE(never.writeToGrid(ss));
    Ktx_Spread other;
    SpreadSettings settings;
    ASSERT_TRUE(settings.readFromGrid(ss));
    EXPECT_FALSE(settings.readFromGrid(other));  // no window: not loaded
    EXPECT_FALSE(settings.loaded);
    EXPECT_FALSE(settings.writeToGrid(ss));
    EXPECT_EQ(tagOf(ss), "");
}

TEST_F(SpreadSettingsTest, UnequalVariableListsAreRefused) {
    SpreadSettings settings;
    ASSERT_TRUE(settings.setVariables({"A"}, {"1"}));
    EXPECT_FALSE(settings.setVariables({"A", "B"}, {"1"}));
    EXPECT_EQ(settings.varNames.length(), 1);
    EXPECT_EQ(settings.varValues.length(), 1);
}

TEST(SpreadSettingsText, MalformedEntriesAreSkippedAndReported) {
    struct Case {
        std::string text;
        int marginLeft;
    };
    const Case cases[] = {
        {entry("marginLeft", 2, "12") + "marginTop" + kSep + "2", 12},  // cut off at the end
        {entry("marginLeft", 4, "12"), 9},                              // wrong type
        {entry("marginLeft", 2, "12x"), 9},                             // not a number
        {entry("marginLeft", 2, "99999999999"), 9},                     // out of range
        {entry("marginLeft", 2, "12") + entry("unknown", 4, "v"), 12},  // unknown key
        {entry("marginLeft", 2, "12") + entry("varNames999999999", 4, "v"), 12},  // absurd index
        {entry("marginLeft", 2, "12") + entry("varNames-1", 4, "v"), 12},
    };
    for (const Case& c : cases) {
        SpreadSettings settings;
        EXPECT_FALSE(settings.fromText(c.text)) << c.text;
        EXPECT_EQ(settings.marginLeft, c.marginLeft) << c.text;
        EXPECT_TRUE(settings.varNames.isEmpty()) << c.text;
    }
}

TEST(SpreadSettingsText, ListEntriesArePlacedByTheirIndex) {
    SpreadSettings settings;
    ASSERT_TRUE(settings.fromText(entry("varNames1", 4, "Title") + entry("varValues0", 4, "d") +
                                  entry("varNames0", 4, "Date") + entry("colors", 2, "0")));
    EXPECT_EQ(settings.varNames, (Ktx_StringArray{"Date", "Title"}));
    EXPECT_EQ(settings.varValues, (Ktx_StringArray{"d"}));
    EXPECT_FALSE(settings.colors);
}

}  // namespace
