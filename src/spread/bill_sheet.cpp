#include "bill_sheet.h"

#include "acad.h"
#include "bill_variables.h"
#include "file_ops.h"
#include "grid.h"
#include "ktx_spread.h"
#include "path_translation.h"
#include "spread_file_ops.h"
#include "spread_settings.h"
#include "win.h"

namespace {

constexpr int kPictureBorderType = 0x12;
constexpr int kPictureBorderStyle = 6;
constexpr int kMarkSize = 16;

// The module's bill bitmap: a small grey I-section, the mark of a picture row.
void registerRowBitmap() {
    BitmapImage image(kMarkSize, kMarkSize, false);
    image.fill(RGB(255, 255, 255));
    for (int x = 2; x < kMarkSize - 2; ++x) {
        for (int y : {2, 3, kMarkSize - 4, kMarkSize - 3}) image.setPixel(x, y, RGB(96, 96, 96));
    }
    for (int y = 4; y < kMarkSize - 4; ++y) {
        for (int x : {7, 8}) image.setPixel(x, y, RGB(96, 96, 96));
    }
    resourceAddBitmap(VnBillSheet::kRowBitmap, image);
}

}  // namespace

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

bool VnBillSheet::addRow(const Ktx_StringArray& row, const Ktx_String& imageFile) {
    if (!ss_.gridWindow()) return false;
    if (ss_.getMaxCols() < row.length() && !ss_.setMaxCols(row.length(), true)) return false;
    if (!nextRow()) return false;
    setRowProperties(currentRow_);
    const bool written = ss_.setRowTexts(currentRow_, row, true);
    fitRowHeight(currentRow_);
    if (!imageFile.isEmpty() && ObjectExportFileExists(imageFile)) addPictureRow(imageFile);
    return written;
}

// The row below a bill row: the part's picture from column 2 to the last column, and the
// module's bill bitmap in column 1, framed.
void VnBillSheet::addPictureRow(const Ktx_String& imageFile) {
    if (!nextRow()) return;
    HWND grid = ss_.gridWindow();
    const int row = currentRow_;
    SSCellType picture;
    SSSetTypePicture(grid, &picture, 0, hostPath(imageFile).c_str());
    SSSetCellType(grid, 2, row, &picture);
    const int lastCol = ss_.getMaxCols();
    if (lastCol > 2) SSAddCellSpan(grid, 2, row, lastCol - 1, 1);
    SSSetBorder(grid, 1, row, kPictureBorderType, kPictureBorderStyle, 0);
    registerRowBitmap();
    SSCellType mark;
    SSSetTypePictureHandle(grid, &mark, 0, ss_.moduleBitmap(kRowBitmap));
    SSSetCellType(grid, 1, row, &mark);
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
    const bool stored = spreadSetVariables(ss_, varNames, varValues);
    if (!stored) acutPrintf("Bill variables could not be stored\n");
    return spreadSaveWithSettings(ss_, fileName);
}
