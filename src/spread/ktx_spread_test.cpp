#include "ktx_spread.h"

#include <gtest/gtest.h>

#include <utility>

#include "grid.h"
#include "ktx_string_array.h"
#include "redraw_lock.h"
#include "spread_test_host.h"

namespace {

Ktx_StringArray texts(std::initializer_list<Ktx_String> values) {
    return Ktx_StringArray(values);
}

Ktx_String cell(Ktx_Spread& ss, int col, int row, int kind = CellTextKind::Value) {
    Ktx_String text;
    ss.getCellText(col, row, text, kind);
    return text;
}

}  // namespace

TEST(SpreadBeforeCreate, EveryOperationDoesNothing) {
    Ktx_Spread ss;
    Ktx_String text = "kept";
    Ktx_StringArray array = texts({"x"});
    int col = 7, row = 7;
    EXPECT_FALSE(ss.isCreated());
    EXPECT_EQ(ss.gridWindow(), nullptr);
    EXPECT_FALSE(ss.setDefaultLook(1));
    EXPECT_EQ(ss.getMaxRows(), -1);
    EXPECT_EQ(ss.getMaxCols(), -1);
    EXPECT_FALSE(ss.setMaxRows(5));
    EXPECT_FALSE(ss.getCellText(1, 1, text, CellTextKind::Data));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(ss.setCellText(1, 1, "a"));
    EXPECT_FALSE(ss.setRowTexts(1, array));
    EXPECT_FALSE(ss.getColumnTexts(1, array));
    EXPECT_TRUE(array.isEmpty());
    EXPECT_FALSE(ss.getActiveCell(col, row));
    EXPECT_EQ(ss.getSelectionRow(), -1);
    EXPECT_FALSE(ss.setNumberTypeCell(1, 1, 2, false));
    EXPECT_FALSE(ss.insertRow(1, true, true));
    EXPECT_FALSE(ss.deleteSelectedRow());
    EXPECT_FALSE(ss.moveRowDown());
    EXPECT_FALSE(ss.mergeEqualCells(1));
    EXPECT_FALSE(ss.removeAllSpans());
    EXPECT_FALSE(ss.findText("a", true, col, row));
    ss.fitColumns();
    ss.showFindDialog(false);
    EXPECT_EQ(ss.findDialog(), nullptr);
}

using SpreadCreate = SpreadHostTest;

TEST_F(SpreadCreate, TakesThePlaceholdersRectangleAndId) {
    CRect expected, hostRect;
    ::GetWindowRect(placeholder, &expected);
    host.GetWindowRect(&hostRect);
    expected.OffsetRect(-hostRect.left, -hostRect.top);  // relative to the host's window
    ASSERT_TRUE(ss.create(&host, kPlaceholderId, true));
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_EQ(host.GetDlgItem(kPlaceholderId)->GetSafeHwnd(), ss.gridWindow());
    EXPECT_EQ(ss.getMaxRows(), 0);
    EXPECT_EQ(ss.getMaxCols(), 0);
    CRect made;
    ss.GetWindowRect(&made);
    host.ScreenToClient(&made);
    EXPECT_EQ(made, expected);
}

TEST_F(SpreadCreate, MovesFiveLeftAndTwentyUpUnlessKeepingPosition) {
    CRect expected, hostRect;
    ::GetWindowRect(placeholder, &expected);
    host.GetWindowRect(&hostRect);
    expected.OffsetRect(-hostRect.left - 5, -hostRect.top - 20);
    ASSERT_TRUE(ss.create(&host, kPlaceholderId, false));
    CRect made;
    ss.GetWindowRect(&made);
    host.ScreenToClient(&made);
    EXPECT_EQ(made, expected);
}

TEST_F(SpreadCreate, FailsWithoutParentOrPlaceholder) {
    EXPECT_FALSE(ss.create(nullptr, kPlaceholderId, true));
    EXPECT_FALSE(ss.create(&host, 999, true));
    EXPECT_FALSE(ss.isCreated());
    EXPECT_TRUE(IsWindow(placeholder));
}

using SpreadCells = SpreadHostTest;

TEST_F(SpreadCells, CellTextIsEmptyBeyondTheGridAndOnEmptyCells) {
    makeGrid(3, 4);
    Ktx_String text = "stale";
    EXPECT_FALSE(ss.getCellText(1, 5, text, CellTextKind::Value));
    EXPECT_TRUE(text.isEmpty());
    text = "stale";
    EXPECT_TRUE(ss.getCellText(3, 4, text, CellTextKind::Data));
    EXPECT_TRUE(text.isEmpty());
}

// The grid decides which cells exist: every cell beyond the extent is refused for reading
// and writing (nothing is written), header cells are cells, and a kind of text the grid does
// not know reads as empty on a cell but fails beyond the extent.
TEST_F(SpreadCells, OnlyCellsOfTheGridAndItsHeadersAreReadAndWritten) {
    makeGrid(3, 4);
    Ktx_String text = "stale";
    for (const auto& [col, row] : {std::pair(4, 1), std::pair(1, 5), std::pair(-2, 1)}) {
        EXPECT_FALSE(ss.setCellText(col, row, "x")) << col << "," << row;
        EXPECT_FALSE(ss.setCellText(col, row, "x", false)) << col << "," << row;
        EXPECT_FALSE(ss.getCellText(col, row, text, CellTextKind::Value)) << col << "," << row;
        EXPECT_FALSE(ss.getCellText(col, row, text, CellTextKind::Tag)) << col << "," << row;
    }
    EXPECT_EQ(SSGetMaxCols(grid()), 3);
    EXPECT_EQ(SSGetMaxRows(grid()), 4);
    ASSERT_TRUE(ss.setCellText(SS_HEADER, 2, "second", false));
    EXPECT_EQ(cell(ss, SS_HEADER, 2, CellTextKind::Data), "second");
    ASSERT_TRUE(ss.setCellText(3, 4, "corner"));
    EXPECT_EQ(cell(ss, 3, 4, CellTextKind::Value), "corner");
    text = "stale";
    EXPECT_TRUE(ss.getCellText(3, 4, text, 99));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(ss.getCellText(4, 4, text, 99));
}

TEST_F(SpreadCells, ReadsEachKindOfText) {
    makeGrid(3, 3);
    ASSERT_TRUE(ss.setCellText(1, 1, "4"));
    ASSERT_TRUE(ss.setCellFormula(2, 1, "A1*2"));
    ASSERT_TRUE(SSSetCellTag(grid(), 2, 1, "note \xA4 1"));
    EXPECT_EQ(cell(ss, 2, 1, CellTextKind::Formula), "A1*2");
    EXPECT_EQ(cell(ss, 2, 1, CellTextKind::Value), "8");
    EXPECT_EQ(cell(ss, 2, 1, CellTextKind::Tag), "note \xA4 1");
    EXPECT_EQ(cell(ss, 1, 1, CellTextKind::Data), "4");
}

// Short texts are read through a stack buffer, long ones straight into the string: every
// length reads back whole, replacing what the string held.
TEST_F(SpreadCells, TextsOfEveryLengthReadBackWhole) {
    makeGrid(2, 1);
    for (const size_t length : {1u, 126u, 127u, 128u, 129u, 600u}) {
        std::string text(length, 'x');
        for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 26);
        ASSERT_TRUE(ss.setCellText(1, 1, Ktx_String(text)));
        ASSERT_TRUE(SSSetCellTag(grid(), 2, 1, text.c_str()));
        for (const auto& [col, kind] :
             {std::pair{1, CellTextKind::Data}, {1, CellTextKind::Value}, {2, CellTextKind::Tag}}) {
            Ktx_String read = "held before";
            EXPECT_TRUE(ss.getCellText(col, 1, read, kind));
            EXPECT_EQ(read.str(), text) << length << " kind " << kind;
        }
    }
}

// Number and edit types are filled once per kind and reused: every cell must still get the
// type asked for, whichever was asked for before.
TEST_F(SpreadCells, KeptCellTypesAreTheOnesFilledForEachCall) {
    makeGrid(3, 3);
    auto typeAt = [&](int col, int row) {
        SSCellType type;
        EXPECT_TRUE(SSGetCellType(grid(), col, row, &type));
        return type;
    };
    auto number = [&](int decimals, bool separator) {
        SSCellType type;
        SSSetTypeNumber(grid(), &type, separator ? 0x10400000L : 0x10100000L, decimals,
                        -99999999999999.0, 99999999999999.0);
        return type;
    };
    auto edit = [&](int style, int maxLength) {
        SSCellType type;
        SSSetTypeEdit(grid(), &type, style, maxLength);
        return type;
    };
    const std::pair<int, bool> numbers[] = {{7, false}, {0, false},  {7, true},  {20, false},
                                            {7, false}, {21, false}, {20, false}};
    for (const auto& [decimals, separator] : numbers) {
        ASSERT_TRUE(ss.setNumberTypeCell(1, 1, decimals, separator));
        EXPECT_EQ(typeAt(1, 1), number(decimals, separator)) << decimals << " " << separator;
    }
    const std::pair<int, int> edits[] = {{0, 9999}, {0, 10}, {1, 10}, {0, 9999}};
    for (const auto& [style, maxLength] : edits) {
        ASSERT_TRUE(ss.setEditType(2, 1, 2, 2, style, maxLength));
        EXPECT_EQ(typeAt(2, 2), edit(style, maxLength)) << style << " " << maxLength;
    }
    EXPECT_NE(typeAt(1, 1), typeAt(2, 1));
}

TEST_F(SpreadCells, RowTextsStopAtTheLastColumn) {
    makeGrid(3, 2);
    EXPECT_TRUE(ss.setRowTexts(2, texts({"a", "b", "c", "d", "e"})));
    Ktx_StringArray row;
    ASSERT_TRUE(ss.getRowTexts(2, row));
    EXPECT_EQ(row, texts({"a", "b", "c"}));
    EXPECT_FALSE(ss.setRowTexts(3, texts({"x"})));
    EXPECT_FALSE(ss.setColumnTexts(4, texts({"x"})));
}

TEST_F(SpreadCells, HeadersGoToTheHeaderRowAndColumn) {
    makeGrid(2, 3);
    ASSERT_TRUE(ss.setColumnHeaders(texts({"Name", "Weight", "ignored"})));
    ASSERT_TRUE(ss.setRowHeaders(texts({"HEA", "HEA"})));
    Ktx_StringArray headers;
    ASSERT_TRUE(ss.getColumnHeaders(headers));
    EXPECT_EQ(headers, texts({"Name", "Weight"}));
    EXPECT_EQ(cell(ss, 1, 0), "Name");  // row 0 is the header row
    EXPECT_EQ(cell(ss, kSpreadHeader, 2), "HEA");
}

TEST_F(SpreadCells, ActiveCellDefaultsToTheFirstCell) {
    makeGrid(3, 3);
    int col = 0, row = 0;
    ASSERT_TRUE(ss.getActiveCell(col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    ASSERT_TRUE(SSGetActiveCell(grid(), &col, &row));
    SSSetActiveCell(grid(), 2, 3);
    EXPECT_EQ(ss.getSelectionRow(), 3);
    SSSetSelectBlock(grid(), 1, 2, 3, 3);
    EXPECT_EQ(ss.getSelectionRow(), 2);
}

TEST_F(SpreadCells, FindTextGoesAlongTheRowThenFromColumnOne) {
    makeGrid(3, 3);
    ss.setRowTexts(1, texts({"Input", "Width", ""}));
    ss.setRowTexts(2, texts({"Output", "Int Height", ""}));
    int col = 3, row = 1;
    ASSERT_TRUE(ss.findText("Output", false, col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 2);
    col = 1, row = 1;
    EXPECT_FALSE(ss.findText("Height", false, col, row));
    ASSERT_TRUE(ss.findText("Height", true, col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
}
