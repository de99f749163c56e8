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
// - finish cuts the grid back to the rows written, fits the columns, puts the three bill
//   variables in front of the given ones, stores them as editor data and saves the file.
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class Ktx_Spread;

class VnBillSheet {
  public:
    static constexpr int kGrowth = 100;
    static constexpr unsigned kSubtotalColor = 0xFFD1A4;

    explicit VnBillSheet(Ktx_Spread& ss) : ss_(ss) {}

    void setColumnTypes(const Ktx_Array<int>& types) { columnTypes_ = types; }
    // False when the grid has no window or refused the row.
    bool addRow(const Ktx_StringArray& row);
    bool addSubTotals(const Ktx_StringArray& row);
    // False when the grid has no window or the editor data could not be stored; a failed
    // save is also false.
    bool finish(const Ktx_String& fileName, Ktx_StringArray varNames, Ktx_StringArray varValues);
    int currentRow() const { return currentRow_; }

  private:
    bool nextRow();
    void emptyRows(int first, int last);
    void setRowProperties(int row);
    void fitRowHeight(int row);

    Ktx_Spread& ss_;
    Ktx_Array<int> columnTypes_;
    int currentRow_ = 0;
};
