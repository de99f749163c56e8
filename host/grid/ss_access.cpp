#include "ss_access.h"

#include <algorithm>
#include <cstring>

namespace {

GridWindow* cellOf(GridWindow* grid, int& col, int& row) {
    col = ssCoord(col);
    row = ssCoord(row);
    return grid && grid->sheet().exists(col, row) ? grid : nullptr;
}

bool resolveAxis(int& a, int& b, int last) {
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

}  // namespace

GridWindow* ssCell(HWND hWnd, int& col, int& row) {
    return cellOf(ssGrid(hWnd), col, row);
}

GridWindow* ssCellKeepingText(HWND hWnd, int& col, int& row) {
    return cellOf(GridWindow::ofKeepingText(hWnd), col, row);
}

bool ssBlock(GridWindow& grid, int& col, int& row, int& col2, int& row2) {
    return resolveAxis(col, col2, grid.sheet().maxCols()) &&
           resolveAxis(row, row2, grid.sheet().maxRows());
}

int ssCopyOut(const std::string& text, char* buffer) {
    if (buffer != nullptr) {
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
    }
    return static_cast<int>(text.size());
}
