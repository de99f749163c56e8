#include "bill_sheet.h"

#include "bill_variables.h"
#include "grid.h"
#include "ktx_spread.h"
#include "spread_settings.h"

bool VnBillSheet::nextRow() {
    ++currentRow_;
    if (currentRow_ <= ss_.getMaxRows()) return true;
    if (!ss_.setMaxRows(currentRow_ + kGrowth, true)) return false;
    emptyRows(currentRow_, currentRow_ + kGrowth);
    return true;
}

void VnBillSheet::emptyRows(int first, int last) {
    Ktx_StringArray empty;
    empty.setLogicalLength(ss_.getMaxCols());
    for (int row = first; row <= last; ++row) ss_.setRowTexts(row, empty, true);
}

void VnBillSheet::setRowProperties(int row) {
    HWND grid = ss_.gridWindow();
    const int lastCol = ss_.getMaxCols();
    for (int col = 1; col <= lastCol && col <= columnTypes_.length(); ++col) {
        const int type = columnTypes_[col - 1];
        if (type == 1 || type == 2) ss_.setNumberTypeCell(col, row, type - 1, true);
        if (type == 3) ss_.setEditTypeCell(col, row);
    }
    for (int col = 1; col <= lastCol; ++col) {
        SSSetBorder(
            grid, col, row,
            SS_BORDERTYPE_LEFT | SS_BORDERTYPE_RIGHT | SS_BORDERTYPE_TOP | SS_BORDERTYPE_BOTTOM,
            SS_BORDERSTYLE_NONE, 0);
        SSRemoveCellSpan(grid, col, row);
        SSSetColor(grid, col, row, SS_COLOR_DEFAULT, SS_COLOR_DEFAULT);
    }
}

// The row as high as its highest text; done after the texts are in, so that a text of several
// lines is not cut to the height of an empty row.
void VnBillSheet::fitRowHeight(int row) {
    int pixels = 0;
    if (SSGetMaxTextRowHeight(ss_.gridWindow(), row, &pixels))
        SSSetRowHeightInPixels(ss_.gridWindow(), row, pixels);
}

bool VnBillSheet::addRow(const Ktx_StringArray& row) {
    if (!ss_.gridWindow()) return false;
    if (ss_.getMaxCols() < row.length() && !ss_.setMaxCols(row.length(), true)) return false;
    if (!nextRow()) return false;
    setRowProperties(currentRow_);
    const bool written = ss_.setRowTexts(currentRow_, row, true);
    fitRowHeight(currentRow_);
    return written;
}

bool VnBillSheet::addSubTotals(const Ktx_StringArray& row) {
    if (!addRow(row)) return false;
    HWND grid = ss_.gridWindow();
    for (int col = 1; col <= ss_.getMaxCols(); ++col) {
        Ktx_String text;
        ss_.getCellText(col, currentRow_, text, CellTextKind::Value);
        if (text.isEmpty()) continue;
        SSSetBorder(grid, col, currentRow_, 0x1F, 1, 0);
        SSSetColor(grid, col, currentRow_, kSubtotalColor, SS_COLOR_DEFAULT);
    }
    return true;
}

bool VnBillSheet::finish(const Ktx_String& fileName, Ktx_StringArray varNames,
                         Ktx_StringArray varValues) {
    if (!ss_.gridWindow()) return false;
    if (ss_.getMaxRows() > currentRow_) ss_.setMaxRows(currentRow_);
    ss_.fitToTexts();
    putBillVariablesInFront(varNames, varValues, fileName);
    if (!spreadSetVariables(ss_, varNames, varValues)) return false;
    return SSSaveToFile(ss_.gridWindow(), fileName.c_str(), false);
}
