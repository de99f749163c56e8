#include "from_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "acad.h"
#include "current_spread.h"
#include "from_table_lookup.h"
#include "grid.h"
#include "ktx_string_array.h"
#include "spread_test_host.h"
#include "spread_value.h"
#include "win_driver.h"

namespace {

// A profile table: keys in row 0, a number column and a text column.
void writeProfileTable(Ktx_Spread& ss, const std::string& path) {
    ss.setMaxCols(3);
    ss.setMaxRows(2);
    ss.setColumnHeaders(Ktx_StringArray({"Name", "Weight", "Kind"}));
    ss.setNumberType(2, 1, 2, 2, 1, false);
    ss.setRowTexts(1, Ktx_StringArray({"IPE200", "22.4", "I"}));
    ss.setRowTexts(2, Ktx_StringArray({"IPE220", "26.2", "I wide"}));
    ASSERT_TRUE(SSSaveToFile(ss.gridWindow(), path.c_str(), false));
}

SpreadValue stringArgument(const char* text) {
    SpreadValue v;
    v.status = SPREAD_STATUS_VALID;
    v.type = SPREAD_TYPE_STRING;
    v.hszValue = GlobalAlloc(GHND, std::strlen(text) + 1);
    std::memcpy(GlobalLock(v.hszValue), text, std::strlen(text));
    GlobalUnlock(v.hszValue);
    return v;
}

class FromTable : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        makeGrid(4, 4);
        table = ::testing::TempDir() + "vn_fromtable_" + std::to_string(::getpid()) + ".sss";
        Ktx_Spread& tableGrid = ss;  // written first, then emptied for the calling sheet
        writeProfileTable(tableGrid, table);
        ss.setMaxRows(0);
        ss.setMaxCols(0);
        ss.setMaxCols(4);
        ss.setMaxRows(4);
        registerFromTable(ss);
        acadClearCommandLine();
    }
    void TearDown() override { std::remove(table.c_str()); }

    // Calculates a formula in A1 of the calling sheet and gives the value text.
    Ktx_String calculate(const std::string& formula, int col = 1, int row = 1) {
        CurrentSpreadScope calculating(&ss);
        EXPECT_TRUE(ss.setCellFormula(col, row, formula.c_str()));
        Ktx_String text;
        ss.getCellText(col, row, text, CellTextKind::Value);
        return text;
    }
    std::string quoted(const std::string& path) const { return "\"" + path + "\""; }

    std::string table;
};

}  // namespace

TEST_F(FromTable, FourArgumentsGiveTheTypedValueOfTheKeyRow) {
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(table) + ",\"Name\",\"Weight\",\"IPE220\")"), "26.2");
    EXPECT_EQ(acadCommandLineText(), "Result is double: 26.200000\n");
    acadClearCommandLine();
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(table) + ",\"Name\",\"Kind\",\"IPE220\")"), "I wide");
    EXPECT_EQ(acadCommandLineText(), "Result is string: I wide\n");
}

TEST_F(FromTable, UnknownColumnOrKeyGivesNoValueAndNoMessage) {
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(table) + ",\"Name\",\"Mass\",\"IPE220\")"), "");
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(table) + ",\"Name\",\"Weight\",\"HEA100\")"), "");
    EXPECT_EQ(calculate("FROMTABLE(\"missing.sss\",\"Name\",\"Weight\",\"IPE220\")"), "");
    EXPECT_EQ(acadCommandLineText(), "");
}

TEST_F(FromTable, CellArgumentReadsThatCellAndATargetGetsACopy) {
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(table) + ",B1)"), "22.4");
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(table) + ",C2,D4)", 1, 2), "");
    Ktx_String copied;
    ss.getCellText(4, 4, copied, CellTextKind::Data);
    EXPECT_EQ(copied, "I wide");
}

TEST_F(FromTable, NestedLookUpRestoresTheCallingGrid) {
    // A second file whose B1 looks up the profile table itself.
    const std::string outer = table + ".outer.sss";
    ss.setCellFormula(2, 1,
                      ("FROMTABLE(" + quoted(table) + ",\"Name\",\"Weight\",\"IPE200\")").c_str());
    ASSERT_TRUE(SSSaveToFile(ss.gridWindow(), outer.c_str(), false));
    ss.setCellFormula(2, 1, "");
    acadClearCommandLine();
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(outer) + ",B1)"), "22.4");
    EXPECT_EQ(currentSpread(), nullptr);
    {
        CurrentSpreadScope calculating(&ss);
        ss.setCellFormula(3, 3, ("FROMTABLE(" + quoted(outer) + ",B1)").c_str());
        EXPECT_EQ(currentSpread(), &ss);
    }
    std::remove(outer.c_str());
}

TEST_F(FromTable, AFileThatLooksItselfUpEndsWithoutValue) {
    const std::string self = table + ".self.sss";
    ss.setCellFormula(1, 1, ("FROMTABLE(" + quoted(self) + ",A1)").c_str());
    ASSERT_TRUE(SSSaveToFile(ss.gridWindow(), self.c_str(), false));
    EXPECT_EQ(calculate("FROMTABLE(" + quoted(self) + ",A1)", 2, 2), "");
    std::remove(self.c_str());
}

TEST_F(FromTable, AStringResultThatCannotBeAllocatedIsReported) {
    SpreadValue args[4] = {stringArgument(table.c_str()), stringArgument("Name"),
                           stringArgument("Kind"), stringArgument("IPE200")};
    SpreadValue result;
    winFailNext(WinFailure::GlobalAlloc);
    lookUpFromTable(ss, FromTableCall{&result, args, 4, nullptr});
    EXPECT_EQ(result.status, SPREAD_STATUS_NOVALUE);
    EXPECT_EQ(acadCommandLineText(), "Reallocate failed\n");
    for (SpreadValue& arg : args) GlobalFree(arg.hszValue);
}

TEST(FromTableKey, NumbersBecomeDecimalText) {
    SpreadValue v;
    v.type = SPREAD_TYPE_DOUBLE;
    v.dfValue = 12.9;
    Ktx_String key;
    ASSERT_TRUE(fromTableKey(v, key));
    EXPECT_EQ(key, "12");
    v.type = SPREAD_TYPE_LONG;
    v.lValue = -3;
    ASSERT_TRUE(fromTableKey(v, key));
    EXPECT_EQ(key, "-3");
    v.type = SPREAD_TYPE_CELL;
    EXPECT_FALSE(fromTableKey(v, key));
}
