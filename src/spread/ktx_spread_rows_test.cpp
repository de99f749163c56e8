#include <gtest/gtest.h>

#include "grid.h"
#include "ktx_spread.h"
#include "ktx_string_array.h"
#include "redraw_lock.h"
#include "spread_test_host.h"

namespace {

Ktx_String value(Ktx_Spread& ss, int col, int row) {
    Ktx_String text;
    ss.getCellText(col, row, text, CellTextKind::Value);
    return text;
}

// The anchor row and height of the span covering a cell; 0, 0 when none.
std::pair<int, int> span(HWND grid, int col, int row) {
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    if (SSGetCellSpan(grid, col, row, &anchorCol, &anchorRow, &cols, &rows) == SS_SPAN_NO)
        return {0, 0};
    return {anchorRow, rows};
}

int cellType(HWND grid, int col, int row) {
    SSCellType type;
    SSGetCellType(grid, col, row, &type);
    return type.type;
}

int width(HWND grid, int col) {
    int pixels = 0;
    SSGetColWidthInPixels(grid, col, &pixels);
    return pixels;
}

}  // namespace

using SpreadRows = SpreadHostTest;

TEST_F(SpreadRows, MergeJoinsEveryRunOfEqualTextsIncludingTheLast) {
    makeGrid(1, 7);
    ss.setColumnTexts(1, Ktx_StringArray({"a", "a", "", "", "b", "b", "b"}));
    ASSERT_TRUE(ss.mergeEqualCells(1));
    EXPECT_EQ(span(grid(), 1, 2), std::make_pair(1, 2));
    EXPECT_EQ(span(grid(), 1, 3), std::make_pair(0, 0));
    EXPECT_EQ(span(grid(), 1, 4), std::make_pair(0, 0));
    EXPECT_EQ(span(grid(), 1, 7), std::make_pair(5, 3));
    EXPECT_TRUE(SSGetBool(grid(), SSB_CHANGEMADE));

    // Joining again after a change starts from the column's new texts.
    ss.setCellText(1, 2, "c");
    ASSERT_TRUE(ss.mergeEqualCells(1));
    EXPECT_EQ(span(grid(), 1, 1), std::make_pair(0, 0));
    ASSERT_TRUE(ss.removeAllSpans());
    EXPECT_EQ(span(grid(), 1, 6), std::make_pair(0, 0));
}

TEST_F(SpreadRows, InsertedRowTakesFormatFontAndHeaderLabel) {
    makeGrid(2, 3);
    ss.setRowHeaders(Ktx_StringArray({"HEA", "HEA", "HEA"}));
    ss.setNumberType(1, 3, 2, 3, 2, false);
    ss.setColumnTexts(1, Ktx_StringArray({"1", "2", "3"}));
    ASSERT_TRUE(ss.insertRow(2, true, true));
    EXPECT_EQ(ss.getMaxRows(), 4);
    EXPECT_EQ(value(ss, 1, 1), "1");
    EXPECT_EQ(value(ss, 1, 2), "");
    EXPECT_EQ(value(ss, 1, 3), "2");
    Ktx_String label;
    ss.getCellText(kSpreadHeader, 2, label, CellTextKind::Data);
    EXPECT_EQ(label, "HEA");
    SSFont font;
    SSGetFont(grid(), 1, 2, &font);
    EXPECT_EQ(font.height, 15);
    EXPECT_TRUE(SSGetBool(grid(), SSB_CHANGEMADE));

    // One past the last row is allowed and copies the row above; further is not.
    ASSERT_TRUE(ss.insertRow(5, true, true));
    EXPECT_EQ(cellType(grid(), 1, 5), SS_CELLTYPE_NUMBER);
    EXPECT_FALSE(ss.insertRow(7, false, false));
    EXPECT_EQ(ss.getMaxRows(), 5);
}

TEST_F(SpreadRows, HeaderLabelIsTheRowNumberWhenNeighboursHaveNone) {
    makeGrid(1, 2);
    ASSERT_TRUE(ss.insertRow(2, true, false));
    Ktx_String label;
    ss.getCellText(kSpreadHeader, 2, label, CellTextKind::Data);
    EXPECT_EQ(label, "2");
}

TEST_F(SpreadRows, DeleteAndMoveFollowTheSelection) {
    makeGrid(2, 3);
    ss.setColumnTexts(1, Ktx_StringArray({"r1", "r2", "r3"}));
    SSSetActiveCell(grid(), 1, 1);
    EXPECT_FALSE(ss.moveRowUp());
    ASSERT_TRUE(ss.moveRowDown());
    ASSERT_TRUE(ss.moveRowDown());  // the row moved with the active cell
    EXPECT_EQ(value(ss, 1, 1), "r2");
    EXPECT_EQ(value(ss, 1, 2), "r3");
    EXPECT_EQ(value(ss, 1, 3), "r1");
    EXPECT_FALSE(ss.moveRowDown());
    ASSERT_TRUE(ss.deleteSelectedRow());
    EXPECT_EQ(ss.getMaxRows(), 2);
    EXPECT_EQ(value(ss, 1, 2), "r3");
    EXPECT_FALSE(ss.deleteRow(3));
}

TEST_F(SpreadRows, GrowingCopiesTheFormatOfTheRowAbove) {
    makeGrid(2, 1);
    ss.setNumberType(1, 1, 2, 1, 0, true);
    ASSERT_TRUE(ss.setMaxRows(3, true));
    EXPECT_EQ(cellType(grid(), 2, 3), SS_CELLTYPE_NUMBER);
    ASSERT_TRUE(ss.setMaxCols(3, false));
    EXPECT_EQ(cellType(grid(), 3, 1), SS_CELLTYPE_GENERAL);
    EXPECT_FALSE(ss.setMaxRows(-1));
}

TEST_F(SpreadRows, RedrawLocksNest) {
    makeGrid(1, 1);
    {
        RedrawLock outer(&ss);
        { RedrawLock inner(&ss); }
        EXPECT_FALSE(SSGetBool(grid(), SSB_REDRAW));
    }
    EXPECT_TRUE(SSGetBool(grid(), SSB_REDRAW));
}

using SpreadFit = SpreadHostTest;

TEST_F(SpreadFit, EqualWidthsCountRowHeadersOnlyWhenShown) {
    makeGrid(4, 2);
    CRect client;
    ss.GetClientRect(&client);
    const int usable = client.Width() - SSGetVScrollBarWidth(grid());
    SSSetBool(grid(), SSB_SHOWROWHEADERS, false);
    ss.setFitMode(SpreadFitMode::Equal);
    ss.fitColumns();
    EXPECT_EQ(width(grid(), 1) + width(grid(), 2) + width(grid(), 3) + width(grid(), 4), usable);
    EXPECT_LE(width(grid(), 1) - width(grid(), 4), 1);

    SSSetBool(grid(), SSB_SHOWROWHEADERS, true);
    ss.fitColumns();
    int total = 0;
    for (int col = 0; col <= 4; ++col) total += width(grid(), col);
    EXPECT_EQ(total, usable);
    EXPECT_LE(width(grid(), 0) - width(grid(), 4), 1);
}

TEST_F(SpreadFit, ListedWidthsAndTheRestShared) {
    makeGrid(3, 2);
    CRect client;
    ss.GetClientRect(&client);
    const int usable = client.Width() - SSGetVScrollBarWidth(grid());
    Ktx_Array<int> columns, widths;
    columns.append(0);
    columns.append(2);
    widths.append(30);
    widths.append(50);
    ss.setFitMode(SpreadFitMode::Listed, columns, widths);
    ss.fitColumns();
    EXPECT_EQ(width(grid(), 0), 30);
    EXPECT_EQ(width(grid(), 2), 50);
    EXPECT_EQ(width(grid(), 1) + width(grid(), 3), usable - 80);

    // A resize fits again.
    ss.MoveWindow(0, 0, 400, 100);
    ss.GetClientRect(&client);
    EXPECT_EQ(width(grid(), 1) + width(grid(), 3),
              client.Width() - SSGetVScrollBarWidth(grid()) - 80);
}

TEST_F(SpreadFit, OneColumnTakesTheRest) {
    makeGrid(3, 1);
    SSSetBool(grid(), SSB_SHOWROWHEADERS, false);
    ss.setFitMode(SpreadFitMode::OneColumn, 2, 16);
    ss.fitColumns();
    CRect client;
    ss.GetClientRect(&client);
    EXPECT_EQ(width(grid(), 1), 16);
    EXPECT_EQ(width(grid(), 3), 16);
    EXPECT_EQ(width(grid(), 2), client.Width() - SSGetVScrollBarWidth(grid()) - 32);
}
