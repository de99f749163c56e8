// Ktx_Spread: column fitting.
#include "grid.h"
#include "ktx_spread.h"
#include "ktx_spread_fields.h"
#include "redraw_lock.h"
#include "spread_column_fit.h"
#include "win.h"

namespace {

std::vector<int> toVector(const Ktx_Array<int>& array) {
    return std::vector<int>(array.begin(), array.end());
}

}  // namespace

// The current widths of the row-header column (index 0) and of every column.
std::vector<int> Ktx_Spread::columnWidths() {
    std::vector<int> widths;
    for (int col = 0; col <= getMaxCols(); ++col) {
        int pixels = 0;
        SSGetColWidthInPixels(m_hWnd, col, &pixels);
        widths.push_back(pixels);
    }
    return widths;
}

// The width the columns may fill: the client width less a shown vertical scroll bar.
int Ktx_Spread::availableWidth() {
    RECT client;
    GetClientRect(&client);
    return (client.right - client.left) - SSGetVScrollBarWidth(m_hWnd);
}

void Ktx_Spread::fitColumns() {
    if (!created) return;
    const Fields& f = *fields_;
    if (f.fitMode == SpreadFitMode::ToTexts) {
        fitToTexts();
        return;
    }
    const std::vector<int> current = columnWidths();
    const int available = availableWidth();
    const bool rowHeaders = SSGetBool(m_hWnd, SSB_SHOWROWHEADERS);
    std::vector<int> widths;
    switch (f.fitMode) {
        case SpreadFitMode::Equal:
            widths = spread_fit::fitEqual(current, available, rowHeaders);
            break;
        case SpreadFitMode::FromColumn:
            widths = spread_fit::fitFromColumn(current, available, rowHeaders, f.fitColumn);
            break;
        case SpreadFitMode::OneColumn:
            widths =
                spread_fit::fitOneColumn(current, available, rowHeaders, f.fitColumn, f.fitWidth);
            break;
        case SpreadFitMode::Listed:
            widths = spread_fit::fitListed(current, available, rowHeaders, toVector(f.fixedColumns),
                                           toVector(f.fixedWidths));
            break;
        default:
            return;
    }
    RedrawLock lock(this);
    for (size_t col = 0; col < widths.size(); ++col) {
        if (widths[col] != current[col])
            SSSetColWidthInPixels(m_hWnd, static_cast<int>(col), widths[col]);
    }
}

void Ktx_Spread::fitToTexts() {
    if (!created) return;
    HWND h = m_hWnd;
    const int cols = getMaxCols();
    const int rows = getMaxRows();
    RedrawLock lock(this);
    SSCellType staticText;
    SSSetTypeStaticText(h, &staticText, 0);
    SSSetCellTypeRange(h, 0, 0, cols, 0, &staticText);
    SSSetCellTypeRange(h, 0, 0, 0, rows, &staticText);
    for (int col = 0; col <= cols; ++col) {
        int pixels = 0;
        if (SSGetMaxTextColWidth(h, col, &pixels)) SSSetColWidthInPixels(h, col, pixels);
    }
    for (int row = 0; row <= rows; ++row) {
        int pixels = 0;
        if (SSGetMaxTextRowHeight(h, row, &pixels)) SSSetRowHeightInPixels(h, row, pixels);
    }
}

void Ktx_Spread::OnSize(UINT type, int cx, int cy) {
    TSpread::OnSize(type, cx, cy);
    fitColumns();
}
