#pragma once
// The block the editor's commands act on: the selected block, else the active cell; a block
// of whole rows or columns reaches to the last row or column.
#include "spread_forward.h"

struct SpreadBlock {
    int col = 0;
    int row = 0;
    int col2 = 0;
    int row2 = 0;
};

// False when the grid has no window or no cells.
bool spreadSelectedBlock(Ktx_Spread& ss, SpreadBlock& block);
