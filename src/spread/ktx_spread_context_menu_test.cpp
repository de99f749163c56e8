#include "ktx_spread_context_menu.h"

#include <gtest/gtest.h>

#include "core.h"
#include "grid.h"
#include "grid_mouse.h"
#include "ktx_spread.h"
#include "spread_test_host.h"
#include "win_driver.h"

namespace {

Ktx_Array<int> kinds(std::initializer_list<int> values) {
    Ktx_Array<int> array;
    for (int v : values) array.append(v);
    return array;
}

}  // namespace

TEST(SpreadContextMenu, SeparatorsTakeNoCommand) {
    Ktx_Spread grid;
    const Ktx_SpreadContextMenu menu(grid, kinds({2, 1, 3, 4}));
    EXPECT_EQ(menu.commandOfItem(0), 32811);
    EXPECT_EQ(menu.commandOfItem(1), 0);
    EXPECT_EQ(menu.commandOfItem(2), 32812);
    EXPECT_EQ(menu.commandOfItem(3), 32816);
    EXPECT_EQ(menu.kindOfCommand(32812), 3);
    EXPECT_EQ(menu.kindOfCommand(32816), 4);
}

TEST(SpreadContextMenu, ItemsBeyondTheTenthAndUnknownCommandsMapToNothing) {
    Ktx_Spread grid;
    const Ktx_SpreadContextMenu menu(grid, kinds({2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4}));
    EXPECT_EQ(menu.commandOfItem(9), 32804);
    EXPECT_EQ(menu.commandOfItem(10), 0);
    EXPECT_EQ(menu.kindOfCommand(32804), 3);
    EXPECT_EQ(menu.kindOfCommand(12345), 0);
    EXPECT_EQ(Ktx_SpreadContextMenu(grid, kinds({2})).kindOfCommand(32812), 0);
}

namespace {

class ContextMenuRunTest : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        makeGrid(3, 3);
        ss.setContextMenu(kinds({2, 1, 6, 7, 8, 9, 4}));
    }
    // A right click on the cell, choosing the menu item with that text.
    void choose(int col, int row, const std::string& item) {
        const POINT at = gridCellCenter(grid(), col, row);
        winQueueMenuChoice(item);
        ASSERT_TRUE(userRightClick(host.m_hWnd, kPlaceholderId, at));
    }
};

TEST_F(ContextMenuRunTest, RightClickShowsTheKindsWithTheirTextsAndSeparators) {
    choose(1, 1, "Copy");
    ASSERT_FALSE(winPopupMenus().empty());
    const auto& items = winPopupMenus().back().items;
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0].text, "Copy");
    EXPECT_EQ(items[0].id, 32811u);
    EXPECT_TRUE(items[1].flags & MF_SEPARATOR);
    EXPECT_EQ(items[2].id, 32812u);
    EXPECT_EQ(items[6].text, "Insert row");
}

TEST_F(ContextMenuRunTest, ColumnsAreInsertedAndDeletedAtTheSelectionAndTheGridMarkedChanged) {
    ss.setCellText(2, 1, "b");
    SSSetActiveCell(grid(), 2, 1);
    choose(2, 1, "Insert column");
    EXPECT_EQ(ss.getMaxCols(), 4);
    Ktx_String text;
    ss.getCellText(3, 1, text, CellTextKind::Data);
    EXPECT_EQ(text, "b");
    EXPECT_TRUE(SSGetBool(grid(), SSB_CHANGEMADE));
    choose(2, 1, "Delete column");
    EXPECT_EQ(ss.getMaxCols(), 3);
    ss.getCellText(2, 1, text, CellTextKind::Data);
    EXPECT_EQ(text, "b");
}

TEST_F(ContextMenuRunTest, CheckAllOnWholeColumnsReachesTheLastRowAndOnlyCheckBoxes) {
    SSCellType box;
    SSSetTypeCheckBox(grid(), &box, 0, "", nullptr, nullptr);
    SSSetCellTypeRange(grid(), 2, 1, 2, 3, &box);
    SSSetSelectBlock(grid(), 1, SS_ALLROWS, 2, SS_ALLROWS);
    ss.setCellText(1, 3, "x");
    choose(2, 3, "Check all");
    Ktx_String text;
    for (int row = 1; row <= 3; ++row) {
        ss.getCellText(2, row, text, CellTextKind::Data);
        EXPECT_EQ(text, "1") << row;
    }
    ss.getCellText(1, 3, text, CellTextKind::Data);
    EXPECT_EQ(text, "x");
}

}  // namespace
