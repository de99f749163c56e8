#include "spread_selection.h"

#include "grid.h"
#include "ktx_spread.h"

bool spreadSelectedBlock(Ktx_Spread& ss, SpreadBlock& b) {
    HWND h = ss.gridWindow();
    if (!h || ss.getMaxCols() < 1 || ss.getMaxRows() < 1) return false;
    if (!SSGetSelectBlock(h, &b.col, &b.row, &b.col2, &b.row2)) {
        ss.getActiveCell(b.col, b.row);
        b.col2 = b.col;
        b.row2 = b.row;
    }
    if (b.col < 1 || b.col2 < 1) b.col = 1, b.col2 = ss.getMaxCols();
    if (b.row < 1 || b.row2 < 1) b.row = 1, b.row2 = ss.getMaxRows();
    return true;
}
