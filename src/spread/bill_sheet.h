#pragma once
// VnBillSheet: the rows of a bill written into a grid, one call per bill row or subtotal row,
// and the finished bill saved with its variables. It is the grid side of the bill output; the
// pictures of parts and the window holding the grid are not its concern.
//
// Promises:
// - Rows are written one after the other from row 1; the grid grows by 100 rows at a time and
//   each grown block is emptied, so no stale text of a template shows between bill rows.
// - A row with more texts than the grid has columns widens the grid before it is written.
// - Every row is formatted by its column's type (1 whole number, 2 one decimal, 3 text; other
//   values leave the cell type alone), with borders, spans and colours reset.
// - A subtotal row gets borders and its colour only on cells with text.
// - A picture row follows a row when its picture file exists: the picture spans from column 2
//   to the last column, column 1 shows the module's bill bitmap (251) with a border.
// - finish cuts the grid back to the rows written, fits the columns, puts the three bill
//   variables in front of the given ones, stores them as editor data and saves the file. A
//   variable that cannot be stored (it holds 0xA4) does not cost the bill: the sheet is
//   saved without the new variables ("Bill variables could not be stored" is printed).
//
// The sheet works on the row counter and column types of its owner (the bill output), so
// the output keeps its own fields and a sheet is a view made for each call.
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "win_types.h"

class Ktx_Spread;

class VnBillSheet {
  public:
    static constexpr int kGrowth = 100;
    static constexpr unsigned kSubtotalColor = 0xFFD1A4;
    static constexpr UINT kRowBitmap = 251;

    VnBillSheet(Ktx_Spread& ss, int& currentRow, const Ktx_Array<int>& columnTypes)
        : ss_(ss), currentRow_(currentRow), columnTypes_(columnTypes) {}

    // False when the grid has no window or refused the row. imageFile is a module (Windows)
    // file name; an empty or missing one gives no picture row.
    bool addRow(const Ktx_StringArray& row, const Ktx_String& imageFile = Ktx_String());
    bool addSubTotals(const Ktx_StringArray& row);
    // False when the grid has no window or refused the save.
    bool finish(const Ktx_String& fileName, Ktx_StringArray varNames, Ktx_StringArray varValues);
    int currentRow() const { return currentRow_; }

  private:
    bool nextRow();
    void emptyRows(int first, int last);
    void setRowProperties(int row);
    void fitRowHeight(int row);
    void addPictureRow(const Ktx_String& imageFile);

    Ktx_Spread& ss_;
    int& currentRow_;
    const Ktx_Array<int>& columnTypes_;
};
