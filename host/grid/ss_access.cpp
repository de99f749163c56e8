#include "ss_access.h"

#include <algorithm>
#include <cstring>

namespace {

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
