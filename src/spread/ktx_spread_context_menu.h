#pragma once
// Ktx_SpreadContextMenu: the context menu of one grid. It keeps the kinds of its items (kind
// 1 is a separator) and gives every other item, in order, one command identifier of a fixed
// table of ten; items beyond the tenth get none. The actions of the kinds belong to the
// spreadsheet editor.
#include <array>

#include "ktx_array.h"
#include "spread_forward.h"

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

  private:
    Ktx_Spread& grid_;
    Ktx_Array<int> kinds_;
};
