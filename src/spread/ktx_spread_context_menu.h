#pragma once
// Ktx_SpreadContextMenu: the context menu of one grid. It keeps the kinds of its items (kind
// 1 is a separator) and gives every other item, in order, one command identifier of a fixed
// table of ten; items beyond the tenth get none.
//
// Kinds and their actions (texts from the Core library's text table):
//   1 separator   2 copy (1154)   3 paste (1155)   4 insert row (774)   5 delete row (775)
//   6 insert column (1156)   7 delete column (1157)   8 check all (1400)   9 uncheck (1401)
// Rows and columns are the selection's first (else the active cell's); a selected block of
// whole rows or columns reaches to the last row or column. After an action the grid's
// option 30 (the changed mark) is set.
#include <array>

#include "ktx_array.h"
#include "spread_forward.h"
#include "win_types.h"

class Ktx_SpreadContextMenu {
  public:
    static constexpr int kSeparator = 1;
    static constexpr std::array<int, 10> kCommandIds{32811, 32812, 32816, 32817, 32818,
                                                     32800, 32801, 32802, 32803, 32804};

    Ktx_SpreadContextMenu(Ktx_Spread& grid, const Ktx_Array<int>& kinds);

    Ktx_Spread& grid() const { return grid_; }
    const Ktx_Array<int>& kinds() const { return kinds_; }
    // The command identifier of item `index` of the kinds; 0 for a separator, an index
    // outside the kinds or an item beyond the tenth command.
    int commandOfItem(int index) const;
    // The kind that a command of the table stands for; 0 when the command is not in the
    // table or no item has it.
    int kindOfCommand(int commandId) const;
    // A new popup menu with one item per kind (the caller destroys it).
    HMENU build() const;
    // Shows the menu at a screen point; the chosen command comes to the grid as WM_COMMAND.
    void show(POINT screenPoint) const;
    // Runs the action of a command of the table; false when it is none of this menu's.
    bool run(int commandId);

  private:
    void setChecks(const char* data);
    void insertColumn();
    void deleteColumn();

    Ktx_Spread& grid_;
    Ktx_Array<int> kinds_;
};
