// SS... functions on rows and columns, blocks and spans.
#include "ss_access.h"
#include "ss_functions.h"

namespace {

// Runs a structural change of the sheet; on success the grid marks itself changed.
template <typename Fn>
bool structural(HWND hWnd, Fn change) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !change(grid->sheet())) return false;
    grid->markChanged();
    return true;
}

}  // namespace

bool SSInsRow(HWND hWnd, int row) {
    return structural(hWnd, [&](SheetModel& s) {
        return row >= 1 && row <= s.maxRows() && s.insertRows(row, 1);
    });
}

bool SSDelRow(HWND hWnd, int row) {
    return structural(hWnd, [&](SheetModel& s) { return s.deleteRows(row, 1); });
}

bool SSInsCol(HWND hWnd, int col) {
    return structural(hWnd, [&](SheetModel& s) {
        return col >= 1 && col <= s.maxCols() && s.insertCols(col, 1);
    });
}

bool SSDelCol(HWND hWnd, int col) {
    return structural(hWnd, [&](SheetModel& s) { return s.deleteCols(col, 1); });
}

bool SSCopyRange(HWND hWnd, int col, int row, int col2, int row2, int destCol, int destRow,
                 int what) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !ssBlock(*grid, col, row, col2, row2)) return false;
    const CellSpan from{col, row, col2 - col + 1, row2 - row + 1};
    return grid->sheet().copyRange(from, ssCoord(destCol), ssCoord(destRow),
                                   what == SS_COPY_FORMAT);
}

bool SSSwapRange(HWND hWnd, int col, int row, int col2, int row2, int destCol, int destRow) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !ssBlock(*grid, col, row, col2, row2)) return false;
    const CellSpan from{col, row, col2 - col + 1, row2 - row + 1};
    return grid->sheet().swapRange(from, ssCoord(destCol), ssCoord(destRow));
}

bool SSAddCellSpan(HWND hWnd, int col, int row, int numCols, int numRows) {
    GridWindow* grid = ssCell(hWnd, col, row);
    return grid && grid->sheet().addSpan(CellSpan{col, row, numCols, numRows});
}

int SSGetCellSpan(HWND hWnd, int col, int row, int* anchorCol, int* anchorRow, int* numCols,
                  int* numRows) {
    GridWindow* grid = ssCell(hWnd, col, row);
    const CellSpan* span = grid ? grid->sheet().spanAt(col, row) : nullptr;
    if (!span) return SS_SPAN_NO;
    if (anchorCol) *anchorCol = span->col;
    if (anchorRow) *anchorRow = span->row;
    if (numCols) *numCols = span->numCols;
    if (numRows) *numRows = span->numRows;
    return (span->col == col && span->row == row) ? SS_SPAN_ANCHOR : SS_SPAN_YES;
}

bool SSRemoveCellSpan(HWND hWnd, int col, int row) {
    GridWindow* grid = ssCell(hWnd, col, row);
    return grid && grid->sheet().removeSpanAnchoredAt(col, row);
}
