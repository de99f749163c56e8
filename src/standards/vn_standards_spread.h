#pragma once
// The grid of a standards spreadsheet: a Ktx_Spread that knows the loaded standard's file, its
// variables and the general variables to replace in it.
//
// findVarCells finds the "Input", "Output", "Local" and "Calc" headers and collects the
// declarations of the first three sections (all Inputs row by row, left to right, then
// Outputs, then Locals). A section runs from the row below its header to the row of the next
// header below it (that row included) or to the last row.
//
// Copying copies the four standards fields only; the grid window is not copied.
#include "acad.h"
#include "ktx_spread.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "vn_var_cells.h"

class VnStandardsSpread : public Ktx_Spread {
  public:
    Ktx_String fileName;
    VnVarCells varCells;
    Ktx_StringArray genVarNames;
    Ktx_StringArray genVarValues;

    VnStandardsSpread() = default;
    VnStandardsSpread(const VnStandardsSpread& other);
    VnStandardsSpread& operator=(const VnStandardsSpread& other);
    ~VnStandardsSpread() override = default;

    // Empties varCells and collects the declarations. eInvalidInput when the Input or the
    // Output header is missing (the Inputs are kept when only Output is missing).
    Acad::ErrorStatus findVarCells();
    // The first row of a section's declarations (header row + 1), -1 when the header is
    // missing. header is "Input", "Output", "Local" or "Calc".
    int findSectionStart(const Ktx_String& header);

    // Removes one variable; eInvalidInput for an index outside 0..length-1.
    Acad::ErrorStatus removeVarCell(int index);
    // Removes every variable of one section.
    void removeVarCells(VnCellType type);
    // The names of all variables, in cell order.
    void getVarNames(Ktx_StringArray& names) const;

  private:
    void collectSection(VnCellType type, int start, int end);

    // ===== Evaluation members (added by the standards evaluation) =========================
    // Declarations of the evaluation's own operations go below this line.
  public:
};
