#include "bill_sheet.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "acad.h"
#include "grid.h"
#include "spread_settings.h"
#include "spread_test_host.h"

namespace {

class BillSheetTest : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        makeGrid(3, 0);
        path = ::testing::TempDir() + "vn_bill_" + std::to_string(::getpid()) + ".vns";
    }
    void TearDown() override { std::remove(path.c_str()); }

    Ktx_String value(int col, int row) {
        Ktx_String text;
        ss.getCellText(col, row, text, CellTextKind::Value);
        return text;
    }

    std::string path;
    int currentRow = 0;
    Ktx_Array<int> columnTypes;
    VnBillSheet sheet{ss, currentRow, columnTypes};
};

TEST_F(BillSheetTest, GridGrowsByAHundredRowsAndIsCutBackAtTheEnd) {
    ASSERT_TRUE(sheet.addRow({"P1", "2", "7.5"}));
    EXPECT_EQ(ss.getMaxRows(), 101);
    for (int i = 2; i <= 101; ++i) ASSERT_TRUE(sheet.addRow({"P", "1", "1"}));
    EXPECT_EQ(ss.getMaxRows(), 101);
    ASSERT_TRUE(sheet.addRow({"P102", "1", "1"}));
    EXPECT_EQ(ss.getMaxRows(), 202);
    EXPECT_EQ(value(1, 102), "P102");
    EXPECT_EQ(value(1, 103), "");
    ASSERT_TRUE(sheet.finish(path.c_str(), Ktx_StringArray(), Ktx_StringArray()));
    EXPECT_EQ(ss.getMaxRows(), 102);
}

TEST_F(BillSheetTest, RowWiderThanTheGridWidensItFirst) {
    ASSERT_TRUE(sheet.addRow({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(ss.getMaxCols(), 5);
    EXPECT_EQ(value(5, 1), "e");
}

TEST_F(BillSheetTest, SubtotalBordersAndColourOnlyOnCellsWithText) {
    ASSERT_TRUE(sheet.addSubTotals({"Total", "", "42.5"}));
    COLORREF background = 0, foreground = 0;
    int style = 0;
    COLORREF color = 0;
    SSGetColor(grid(), 1, 1, &background, &foreground);
    EXPECT_EQ(background, VnBillSheet::kSubtotalColor);
    SSGetBorder(grid(), 3, 1, SS_BORDERTYPE_TOP, &style, &color);
    EXPECT_EQ(style, 1);
    SSGetColor(grid(), 2, 1, &background, &foreground);
    EXPECT_EQ(background, SS_COLOR_DEFAULT);
    SSGetBorder(grid(), 2, 1, SS_BORDERTYPE_TOP, &style, &color);
    EXPECT_EQ(style, SS_BORDERSTYLE_NONE);
}

TEST_F(BillSheetTest, EmptyFeedSavesTheThreeVariablesInFrontThroughAFile) {
    ASSERT_TRUE(sheet.finish(path.c_str(), {"Project"}, {"Hall 3"}));
    EXPECT_EQ(ss.getMaxRows(), 0);
    ASSERT_TRUE(SSSetCellTag(grid(), 0, 0, ""));
    ASSERT_TRUE(SSLoadFromFile(grid(), path.c_str()));
    SpreadSettings settings;
    settings.readFromGrid(ss);
    EXPECT_EQ(settings.varNames, (Ktx_StringArray{"Date", "Title", "BillFilename", "Project"}));
    EXPECT_EQ(settings.varValues[2], Ktx_String(path));
    EXPECT_EQ(settings.varValues[3], "Hall 3");
}

}  // namespace

namespace {

// Regression: a bill variable holding the separator byte 0xA4 cannot be stored as editor data;
// the bill itself must still be saved.
TEST_F(BillSheetTest, AVariableThatCannotBeStoredDoesNotCostTheBill) {
    ASSERT_TRUE(sheet.addRow({"P1", "2", "7.5"}));
    acadClearCommandLine();
    EXPECT_TRUE(sheet.finish(path.c_str(), {"Price"}, {"12\xA4"}));
    EXPECT_NE(acadCommandLineText().find("Bill variables could not be stored"), std::string::npos);
    ASSERT_TRUE(SSSetMaxRows(grid(), 0));
    ASSERT_TRUE(SSLoadFromFile(grid(), path.c_str()));
    EXPECT_EQ(value(1, 1), "P1");
}

}  // namespace
