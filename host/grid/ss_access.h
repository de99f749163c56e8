// Shared steps of the SS... functions: finding the grid of a handle, turning the coordinates
// callers pass (SS_HEADER, SS_ALLCOLS / SS_ALLROWS, blocks given in any corner order) into
// cells of the sheet, and copying a text into a caller's buffer.
#pragma once

#include <algorithm>
#include <string>
#include <utility>

#include "grid_window.h"

// The grid of the handle, or nullptr. Drops the text the grid kept for a Get call (every
// other call may change the sheet).
// `call` names the SS... function for the call observer (grid_window.h).
inline GridWindow* ssGrid(HWND hWnd, const char* call = __builtin_FUNCTION()) {
    return GridWindow::of(hWnd, call);
}
// SS_HEADER addresses row / column 0.
inline int ssCoord(int v) {
    return v == SS_HEADER ? 0 : v;
}
// `grid` when (col, row), after SS_HEADER is resolved, is a cell of it; else nullptr.
inline GridWindow* ssCellOf(GridWindow* grid, int& col, int& row) {
    col = ssCoord(col);
    row = ssCoord(row);
    return grid && grid->sheet().exists(col, row) ? grid : nullptr;
}
// The grid when (col, row), after SS_HEADER is resolved, is a cell of it; else nullptr.
inline GridWindow* ssCell(HWND hWnd, int& col, int& row, const char* call = __builtin_FUNCTION()) {
    return ssCellOf(ssGrid(hWnd, call), col, row);
}
// As ssCell, but the kept text stays for the Get call that takes it.
inline GridWindow* ssCellKeepingText(HWND hWnd, int& col, int& row,
                                     const char* call = __builtin_FUNCTION()) {
    return ssCellOf(GridWindow::ofKeepingText(hWnd, call), col, row);
}
// Resolves one axis of a block: SS_HEADER to 0, -1 to the whole extent 1..last, ends ordered.
// False when an end lies outside 0..last.
inline bool ssBlockAxis(int& a, int& b, int last) {
    a = ssCoord(a);
    b = ssCoord(b);
    if (a == -1 || b == -1) {
        a = std::min(1, last);
        b = last;
        return last >= 1;
    }
    if (a > b) std::swap(a, b);
    return a >= 0 && b <= last;
}
// Resolves a block: each axis as ssBlockAxis. False when any corner lies outside the grid.
inline bool ssBlock(GridWindow& grid, int& col, int& row, int& col2, int& row2) {
    return ssBlockAxis(col, col2, grid.sheet().maxCols()) &&
           ssBlockAxis(row, row2, grid.sheet().maxRows());
}
// Copies text and a NUL into buffer (when not null); returns the length.
int ssCopyOut(const std::string& text, char* buffer);
// The text of a possibly null C string.
inline std::string_view ssText(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}
// Calls `apply` on every cell of a block; false when the block is invalid or any call
// returned false (the others still ran).
template <typename Fn>
bool ssForBlock(HWND hWnd, int col, int row, int col2, int row2, Fn apply,
                const char* call = __builtin_FUNCTION()) {
    GridWindow* grid = ssGrid(hWnd, call);
    if (!grid || !ssBlock(*grid, col, row, col2, row2)) return false;
    bool all = true;
    for (int r = row; r <= row2; ++r) {
        for (int c = col; c <= col2; ++c) all = apply(*grid, c, r) && all;
    }
    return all;
}
