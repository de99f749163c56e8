// Ktx_Spread: row insertion, deletion and moves, spans and searching.
#include <string>
#include <vector>

#include "grid.h"
#include "ktx_spread.h"
#include "ktx_spread_fields.h"
#include "redraw_lock.h"
#include "spread_equal_runs.h"

namespace {

void markChanged(HWND h) {
    SSSetBool(h, SSB_CHANGEMADE, true);
}

}  // namespace

// The label of a new row's header: the label its neighbour shows (the row above, for the
// first row the one below), so that tables whose rows all carry one name stay uniform;
// without such a label the row's number.
Ktx_String Ktx_Spread::newRowLabel(int row) {
    Ktx_String label;
    const int neighbour = row > 1 ? row - 1 : row + 1;
    if (neighbour <= getMaxRows()) getCellText(SS_HEADER, neighbour, label, CellTextKind::Data);
    return label.isEmpty() ? Ktx_String(row) : label;
}

bool Ktx_Spread::insertRow(const int& row, bool setHeader, bool copyFormat) {
    if (!created) return false;
    HWND h = m_hWnd;
    const int rows = getMaxRows();
    if (row < 1 || row > rows + 1) return false;
    RedrawLock lock(this);
    if (!SSSetMaxRows(h, rows + 1) || !SSInsRow(h, row)) return false;
    if (SSGetMaxRows(h) > rows + 1) SSSetMaxRows(h, rows + 1);
    const int cols = getMaxCols();
    applyFont(0, row, cols, row);
    if (copyFormat && rows > 0) {
        const int source = row <= rows ? row + 1 : row - 1;  // the row below, at the end above
        SSCopyRange(h, 0, source, cols, source, 0, row, SS_COPY_FORMAT);
    }
    if (setHeader) SSSetData(h, SS_HEADER, row, newRowLabel(row).c_str());
    markChanged(h);
    return true;
}

bool Ktx_Spread::insertRowAfterSelection(bool copyFormat) {
    if (!created) return false;
    const int row = getSelectionRow() + 1;
    return insertRow(row, false, copyFormat);
}

bool Ktx_Spread::deleteRow(const int& row) {
    if (!created) return false;
    HWND h = m_hWnd;
    const int rows = getMaxRows();
    if (row < 1 || row > rows) return false;
    RedrawLock lock(this);
    if (!SSDelRow(h, row)) return false;
    SSSetMaxRows(h, rows - 1);
    markChanged(h);
    return true;
}

bool Ktx_Spread::deleteSelectedRow() {
    if (!created) return false;
    return deleteRow(getSelectionRow());
}

// Swaps the selected row with row + offset and lets the active cell (and a selected block)
// follow the moved row.
bool Ktx_Spread::moveSelectedRow(int offset) {
    if (!created) return false;
    HWND h = m_hWnd;
    const int row = getSelectionRow();
    const int target = row + offset;
    const int cols = getMaxCols();
    if (row < 1 || target < 1 || target > getMaxRows() || cols < 1) return false;
    RedrawLock lock(this);
    if (!SSSwapRange(h, 1, row, cols, row, 1, target)) return false;
    int col = 1, activeRow = 0;
    if (SSGetActiveCell(h, &col, &activeRow) && activeRow == row) SSSetActiveCell(h, col, target);
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    if (SSGetSelectBlock(h, &c1, &r1, &c2, &r2) && r1 == row && r2 == row)
        SSSetSelectBlock(h, c1, target, c2, target);
    markChanged(h);
    return true;
}

bool Ktx_Spread::moveRowUp() {
    return moveSelectedRow(-1);
}

bool Ktx_Spread::moveRowDown() {
    return moveSelectedRow(+1);
}

bool Ktx_Spread::mergeEqualCells(const int& col) {
    if (!cellExists(col, 0) || col < 1) return false;
    RedrawLock lock(this);
    removeColumnSpans(col);
    std::vector<std::string> texts;
    Ktx_String text;
    for (int row = 1; row <= getMaxRows(); ++row) {
        getCellText(col, row, text, CellTextKind::Value);
        texts.push_back(text.str());
    }
    for (const spread_runs::Run& run : spread_runs::equalRuns(texts))
        SSAddCellSpan(m_hWnd, col, run.first + 1, 1, run.count);
    markChanged(m_hWnd);
    return true;
}

bool Ktx_Spread::removeColumnSpans(const int& col) {
    if (!cellExists(col, 0) || col < 1) return false;
    HWND h = m_hWnd;
    RedrawLock lock(this);
    bool removed = false;
    for (int row = 1; row <= getMaxRows(); ++row) {
        int anchorCol = 0, anchorRow = 0;
        if (SSGetCellSpan(h, col, row, &anchorCol, &anchorRow, nullptr, nullptr) != SS_SPAN_NO)
            removed = SSRemoveCellSpan(h, anchorCol, anchorRow) || removed;
    }
    if (removed) markChanged(h);
    return true;
}

bool Ktx_Spread::removeAllSpans() {
    if (!created) return false;
    RedrawLock lock(this);
    for (int col = 1; col <= getMaxCols(); ++col) removeColumnSpans(col);
    return true;
}

bool Ktx_Spread::findText(const Ktx_String& text, bool part, int& col, int& row) {
    if (!created) return false;
    const int cols = getMaxCols();
    const int rows = getMaxRows();
    Ktx_String value;
    int c = col < 1 ? 1 : col;
    for (int r = row < 1 ? 1 : row; r <= rows; ++r, c = 1) {
        for (; c <= cols; ++c) {
            getCellText(c, r, value, CellTextKind::Value);
            if (part ? value.contains(text) : value == text) {
                col = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}
