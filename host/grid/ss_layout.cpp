// SS... functions on the grid's size, column widths, row heights and text metrics.
#include <algorithm>

#include "ss_access.h"
#include "ss_functions.h"
#include "window_geometry.h"

namespace {

constexpr int kPadWidth = 8;
constexpr int kPadHeight = 4;
constexpr int kScrollBarWidth = 16;

// Longest line in characters and the number of lines of a text.
void measureLines(std::string_view text, int& longest, int& lines) {
    longest = 0;
    lines = 1;
    int current = 0;
    for (char c : text) {
        if (c == '\n') {
            ++lines;
            current = 0;
        } else if (c != '\r') {
            longest = std::max(longest, ++current);
        }
    }
}

// Resolves a column / row index for widths and heights: SS_HEADER is 0.
bool sizeIndex(int& index, int last) {
    index = ssCoord(index);
    return index >= 0 && index <= last;
}

}  // namespace

int SSGetMaxRows(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? grid->sheet().maxRows() : -1;
}

int SSGetMaxCols(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? grid->sheet().maxCols() : -1;
}

bool SSSetMaxRows(HWND hWnd, int rows) {
    GridWindow* grid = ssGrid(hWnd);
    return grid && grid->sheet().setMaxRows(rows);
}

bool SSSetMaxCols(HWND hWnd, int cols) {
    GridWindow* grid = ssGrid(hWnd);
    return grid && grid->sheet().setMaxCols(cols);
}

bool SSSetColWidthInPixels(HWND hWnd, int col, int pixels) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid) return false;
    SheetModel& s = grid->sheet();
    if (col == SS_ALLCOLS) {
        for (int c = 1; c <= s.maxCols(); ++c) s.setColWidth(c, pixels);
        return pixels >= 0;
    }
    return sizeIndex(col, s.maxCols()) && s.setColWidth(col, pixels);
}

bool SSGetColWidthInPixels(HWND hWnd, int col, int* pixels) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !pixels || !sizeIndex(col, grid->sheet().maxCols())) return false;
    *pixels = grid->sheet().colWidth(col);
    return true;
}

bool SSSetRowHeightInPixels(HWND hWnd, int row, int pixels) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid) return false;
    SheetModel& s = grid->sheet();
    if (row == SS_ALLROWS) {
        for (int r = 1; r <= s.maxRows(); ++r) s.setRowHeight(r, pixels);
        return pixels >= 0;
    }
    return sizeIndex(row, s.maxRows()) && s.setRowHeight(row, pixels);
}

bool SSGetRowHeightInPixels(HWND hWnd, int row, int* pixels) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !pixels || !sizeIndex(row, grid->sheet().maxRows())) return false;
    *pixels = grid->sheet().rowHeight(row);
    return true;
}

int SSGetTextWidth(const SSFont& font, const char* text) {
    int longest = 0;
    int lines = 0;
    measureLines(ssText(text), longest, lines);
    if (longest == 0) return 0;
    return longest * ((std::max(font.height, 1) + 1) / 2) + kPadWidth;
}

int SSGetTextHeight(const SSFont& font, const char* text) {
    int longest = 0;
    int lines = 0;
    const std::string_view t = ssText(text);
    if (t.empty()) return 0;
    measureLines(t, longest, lines);
    return lines * (std::max(font.height, 1) + 3) + kPadHeight;
}

bool SSGetMaxTextCellSize(HWND hWnd, int col, int row, int* width, int* height) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid) return false;
    const std::string text = grid->sheet().valueText(col, row);
    const SSFont& font = grid->sheet().format(col, row).font;
    if (width) *width = SSGetTextWidth(font, text.c_str());
    if (height) *height = SSGetTextHeight(font, text.c_str());
    return true;
}

bool SSGetMaxTextColWidth(HWND hWnd, int col, int* pixels) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !pixels || !sizeIndex(col, grid->sheet().maxCols())) return false;
    int widest = 0;
    for (int r = 0; r <= grid->sheet().maxRows(); ++r) {
        int w = 0;
        SSGetMaxTextCellSize(hWnd, col, r, &w, nullptr);
        widest = std::max(widest, w);
    }
    *pixels = widest;
    return true;
}

bool SSGetMaxTextRowHeight(HWND hWnd, int row, int* pixels) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !pixels || !sizeIndex(row, grid->sheet().maxRows())) return false;
    int highest = 0;
    for (int c = 0; c <= grid->sheet().maxCols(); ++c) {
        int h = 0;
        SSGetMaxTextCellSize(hWnd, c, row, nullptr, &h);
        highest = std::max(highest, h);
    }
    *pixels = highest;
    return true;
}

int SSGetVScrollBarWidth(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    RECT client;
    if (!grid || !GetClientRect(hWnd, &client)) return 0;
    const SheetModel& s = grid->sheet();
    long total = grid->option(SSB_SHOWCOLHEADERS) ? s.rowHeight(0) : 0;
    const long available = client.bottom - client.top;
    for (int r = 1; r <= s.maxRows() && total <= available; ++r) total += s.rowHeight(r);
    return total > available ? kScrollBarWidth : 0;
}
