#include "grid_mouse.h"

#include "grid_user.h"
#include "ss_access.h"
#include "win_constants.h"

namespace {

// The cell index along one axis whose span holds `pos`; -1 beyond the last.
int indexAt(int pos, int first, int last, int headerSize, bool headerShown,
            int (SheetModel::*size)(int) const, const SheetModel& sheet) {
    int edge = headerShown ? headerSize : 0;
    if (pos < edge) return headerShown ? 0 : -1;
    for (int i = first; i <= last; ++i) {
        edge += (sheet.*size)(i);
        if (pos < edge) return i;
    }
    return -1;
}

// Start and size of cell `index` along one axis.
int startOf(int index, int headerSize, bool headerShown, int (SheetModel::*size)(int) const,
            const SheetModel& sheet) {
    if (index == 0) return 0;
    int edge = headerShown ? headerSize : 0;
    for (int i = 1; i < index; ++i) edge += (sheet.*size)(i);
    return edge;
}

struct Press {
    HWND grid = nullptr;
    int col = 0;
    int row = 0;
};

Press& lastPress() {
    static Press press;
    return press;
}

}  // namespace

bool gridCellAtPoint(HWND hWnd, POINT point, int& col, int& row) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid) return false;
    const SheetModel& s = grid->sheet();
    col = indexAt(point.x, 1, s.maxCols(), s.colWidth(0), grid->option(SSB_SHOWROWHEADERS),
                  &SheetModel::colWidth, s);
    row = indexAt(point.y, 1, s.maxRows(), s.rowHeight(0), grid->option(SSB_SHOWCOLHEADERS),
                  &SheetModel::rowHeight, s);
    return col >= 0 && row >= 0;
}

POINT gridCellCenter(HWND hWnd, int col, int row) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid) return POINT{-1, -1};
    const SheetModel& s = grid->sheet();
    const int x =
        startOf(col, s.colWidth(0), grid->option(SSB_SHOWROWHEADERS), &SheetModel::colWidth, s);
    const int y =
        startOf(row, s.rowHeight(0), grid->option(SSB_SHOWCOLHEADERS), &SheetModel::rowHeight, s);
    return POINT{x + s.colWidth(col) / 2, y + s.rowHeight(row) / 2};
}

bool gridHandleMouse(HWND hWnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONUP && msg != WM_RBUTTONDOWN) return false;
    int col = 0;
    int row = 0;
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!gridCellAtPoint(hWnd, point, col, row)) return true;
    Press& press = lastPress();
    if (msg == WM_RBUTTONDOWN) {
        ssUserRightClickCell(hWnd, col, row);
    } else if (msg == WM_LBUTTONDOWN) {
        press = {hWnd, col, row};
        ssUserClickCell(hWnd, col, row);
    } else if (press.grid == hWnd && (press.col != col || press.row != row) && col > 0 && row > 0 &&
               press.col > 0 && press.row > 0) {
        ssUserSelectBlock(hWnd, press.col, press.row, col, row);
        press = {};
    }
    return true;
}
