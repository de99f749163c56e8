#include "ktx_spread_context_menu.h"

#include <gtest/gtest.h>

#include "ktx_spread.h"

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
