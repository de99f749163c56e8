#pragma once
// VnSSBillOutput: the list output that writes a bill of material into a spreadsheet. The Core
// library configures it (setVars, init) and feeds it (onStartFeed, onAddRow /
// onAddSubTotals, onEndFeed); the bill is written into the grid of a small modeless window
// it opens for itself, and saved as a sheet file with its variables at the end.
//
// Promises:
// - init returns Acad::eNullObjectPointer (337) when there is no grid holder or its grid
//   cannot be opened; the row operations then do nothing and onEndFeed returns
//   Acad::eInvalidInput.
// - Pictures of parts are made only when a bill and a transaction were given; a picture that
//   cannot be made leaves its row without one, and each picture file is deleted once it is
//   in the grid.
// - A failed save is not reported by onEndFeed (it is printed on the command line).
#include <memory>

#include "ac_transaction.h"
#include "acad_error_status.h"
#include "ktx_array.h"
#include "ktx_bill.h"
#include "ktx_list_output.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "vn_bill_grid_holder.h"

class Ktx_Spread;

class VnSSBillOutput : public Ktx_ListOutputCallback {
  public:
    VnSSBillOutput();
    // A copy has the other's settings, rows written and variables, and a window of its own
    // (not yet open).
    VnSSBillOutput(const VnSSBillOutput& other);
    VnSSBillOutput& operator=(const VnSSBillOutput& other);
    ~VnSSBillOutput() override;

    Acad::ErrorStatus onStartFeed() override;
    Acad::ErrorStatus onEndFeed() override;
    void onAddRow(const Ktx_StringArray& row) override;
    void onAddSubTotals(const Ktx_StringArray& row, const Ktx_StringArray& totals, bool last,
                        int level) override;

    void setVars(int imageParam1, int imageParam2, int imageParam3, bool imageFlag1,
                 bool imageFlag2, Ktx_Bill* bill, AcTransaction* transaction);
    // Opens the window, loads the template (its editor data's font for all cells), sets the
    // grid lines, the column headers (the grid exactly that wide) and the column types
    // (1 whole number, 2 one decimal, 3 text). The third argument is not read.
    Acad::ErrorStatus init(Ktx_String fileName, const Ktx_StringArray& columnNames,
                           const Ktx_Array<int>& columnWidths, const Ktx_Array<int>& columnTypes,
                           const Ktx_String& templateFile, const Ktx_StringArray& varNames,
                           const Ktx_StringArray& varValues);

    // The grid rows written so far (picture rows included).
    int rowsWritten() const { return currentRow; }
    // True when the last onEndFeed saved the sheet file.
    bool saved() const { return saved_; }
    // The window holding the grid (for a front end that shows it while it fills).
    VnBillGridHolder* holder() { return gridHolder.get(); }
    // Drops the window holder (for tests of a missing holder).
    void dropHolderForTests() { gridHolder.reset(); }

  private:
    void copyFieldsFrom(const VnSSBillOutput& other);
    Ktx_Spread* getSSPointer();
    void addRow(const Ktx_StringArray& row, const Ktx_String& imageFile);
    bool picturesWanted() const { return bill != nullptr && transaction != nullptr; }

    int imageParam1 = -1;
    int imageParam2 = 0;
    int imageParam3 = 0;
    bool imageFlag1 = true;
    bool imageFlag2 = true;
    Ktx_Bill* bill = nullptr;
    AcTransaction* transaction = nullptr;
    std::unique_ptr<VnBillGridHolder> gridHolder;
    int currentRow = 0;
    Ktx_Array<int> columnTypes;
    Ktx_String fileName;
    Ktx_String unusedText;
    Ktx_StringArray varNames;
    Ktx_StringArray varValues;
    bool saved_ = false;
};
