// SS... functions on the format of cells: lock, colours, borders and font.
#include "ss_access.h"
#include "ss_functions.h"

namespace {

bool editBlock(HWND hWnd, int col, int row, int col2, int row2,
               const std::function<void(CellFormat&, int c, int r)>& edit) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !ssBlock(*grid, col, row, col2, row2)) return false;
    for (int r = row; r <= row2; ++r) {
        for (int c = col; c <= col2; ++c) {
            grid->sheet().editFormat(c, r, [&](CellFormat& f) { edit(f, c, r); });
        }
    }
    return true;
}

int sideIndex(int sideBit) {
    switch (sideBit) {
        case SS_BORDERTYPE_LEFT:
            return kSideLeft;
        case SS_BORDERTYPE_RIGHT:
            return kSideRight;
        case SS_BORDERTYPE_TOP:
            return kSideTop;
        case SS_BORDERTYPE_BOTTOM:
            return kSideBottom;
        default:
            return -1;
    }
}

}  // namespace

bool SSSetLock(HWND hWnd, int col, int row, bool lock) {
    return SSSetLockRange(hWnd, col, row, col, row, lock);
}

bool SSSetLockRange(HWND hWnd, int col, int row, int col2, int row2, bool lock) {
    return editBlock(hWnd, col, row, col2, row2, [&](CellFormat& f, int, int) { f.lock = lock; });
}

bool SSGetLock(HWND hWnd, int col, int row) {
    GridWindow* grid = ssCell(hWnd, col, row);
    return grid && grid->sheet().format(col, row).lock;
}

bool SSSetColor(HWND hWnd, int col, int row, COLORREF background, COLORREF foreground) {
    return SSSetColorRange(hWnd, col, row, col, row, background, foreground);
}

bool SSSetColorRange(HWND hWnd, int col, int row, int col2, int row2, COLORREF background,
                     COLORREF foreground) {
    return editBlock(hWnd, col, row, col2, row2, [&](CellFormat& f, int, int) {
        f.background = background;
        f.foreground = foreground;
    });
}

bool SSGetColor(HWND hWnd, int col, int row, COLORREF* background, COLORREF* foreground) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid) return false;
    const CellFormat& f = grid->sheet().format(col, row);
    if (background) *background = f.background;
    if (foreground) *foreground = f.foreground;
    return true;
}

bool SSSetBorder(HWND hWnd, int col, int row, int type, int style, COLORREF color) {
    return SSSetBorderRange(hWnd, col, row, col, row, type, style, color);
}

bool SSSetBorderRange(HWND hWnd, int col, int row, int col2, int row2, int type, int style,
                      COLORREF color) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !ssBlock(*grid, col, row, col2, row2)) return false;
    const CellBorder border{style, style == SS_BORDERSTYLE_NONE ? 0 : color};
    const bool outline = (type & SS_BORDERTYPE_OUTLINE) != 0;
    return editBlock(hWnd, col, row, col2, row2, [&](CellFormat& f, int c, int r) {
        const bool sides[4] = {(type & SS_BORDERTYPE_LEFT) || (outline && c == col),
                               (type & SS_BORDERTYPE_RIGHT) || (outline && c == col2),
                               (type & SS_BORDERTYPE_TOP) || (outline && r == row),
                               (type & SS_BORDERTYPE_BOTTOM) || (outline && r == row2)};
        for (int s = 0; s < 4; ++s) {
            if (sides[s]) f.borders[s] = border;
        }
    });
}

bool SSGetBorder(HWND hWnd, int col, int row, int side, int* style, COLORREF* color) {
    GridWindow* grid = ssCell(hWnd, col, row);
    const int index = sideIndex(side);
    if (!grid || index < 0) return false;
    const CellBorder& b = grid->sheet().format(col, row).borders[index];
    if (style) *style = b.style;
    if (color) *color = b.color;
    return true;
}

bool SSSetFont(HWND hWnd, int col, int row, const SSFont& font) {
    return SSSetFontRange(hWnd, col, row, col, row, font);
}

bool SSSetFontRange(HWND hWnd, int col, int row, int col2, int row2, const SSFont& font) {
    if (font.height <= 0) return false;
    return editBlock(hWnd, col, row, col2, row2, [&](CellFormat& f, int, int) { f.font = font; });
}

bool SSGetFont(HWND hWnd, int col, int row, SSFont* font) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid || !font) return false;
    *font = grid->sheet().format(col, row).font;
    return true;
}
