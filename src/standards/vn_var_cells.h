#pragma once
// The variables of a standards spreadsheet, in the order they were found (all Inputs row by
// row, then Outputs, then Locals; child standards exchange values by this position), with the
// mapping that links them to a macro. The collection owns its cells; copying copies every cell
// and the mapping.
//
// Operations returning Acad::ErrorStatus give eOk or eInvalidInput.
#include <vector>

#include "acad.h"
#include "ktx_string.h"
#include "vn_macro_pass.h"
#include "vn_ss_mapping.h"
#include "vn_var_cell.h"

class Ktx_Spread;
class VnDlgStandardsData;

class VnVarCells {
  public:
    VnVarCells() = default;
    VnVarCells(const VnVarCells& other) = default;
    VnVarCells& operator=(const VnVarCells& other) = default;
    VnVarCells(VnVarCells&&) noexcept = default;
    VnVarCells& operator=(VnVarCells&&) noexcept = default;
    virtual ~VnVarCells() = default;

    int length() const { return static_cast<int>(cells_.size()); }
    // REQUIRES: 0 <= i < length().
    VnVarCell& operator[](int i) { return cells_[static_cast<size_t>(i)]; }
    const VnVarCell& operator[](int i) const { return cells_[static_cast<size_t>(i)]; }

    void append(const VnVarCell& cell);
    void append(VnVarCell&& cell);
    void reserve(size_t count) { cells_.reserve(count); }
    // A bad index prints "*Error* Invalid index passed to remove.\n" and changes nothing.
    Acad::ErrorStatus removeAt(int i);
    void resetVarCells() { cells_.clear(); }

    VnSSMapping& mapping() { return mapping_; }
    const VnSSMapping& mapping() const { return mapping_; }

    // Index of the first cell named `name` (letter case folded); eInvalidInput when none.
    Acad::ErrorStatus findVarCell(const Ktx_String& name, int& index) const;
    // True when every Input cell has a namesake in other with the same type and an equal value
    // (letter case folded). Output and Local cells are not compared.
    bool hasSameInput(const VnVarCells& other) const;

    // Initialises the mapping from the data, then fills Input and Output cells from the macro
    // and empties Local cells. A mapping that cannot be initialised is no failure: nothing is
    // filled. A variable that cannot be read shows the variable-retrieval message (when the
    // settings allow spreadsheet messages) and the loop goes on.
    Acad::ErrorStatus getFromMacro(VnDlgStandardsData& data);
    // Writes every Output cell's value to the macro; failures are ignored; always eOk. With
    // the shape UnchangedSinceRead the caller vouches that no module, group or tab of the macro
    // was added, removed or renamed since the last getFromMacro: the modules the groups were
    // found to stand for then are taken again rather than looked up anew.
    Acad::ErrorStatus setToMacro(VnDlgStandardsData& data,
                                 VnMacroShape shape = VnMacroShape::MayHaveChanged);
    // Reads every Output cell's value from the grid; stops at the first failed read.
    Acad::ErrorStatus getValuesFromSS(Ktx_Spread& ss);
    // Writes every cell's value into the grid; stops at the first failure.
    Acad::ErrorStatus setValuesToSS(Ktx_Spread& ss);

  private:
    // Held in place: a copy of the cells (every evaluation takes the declarations' copy) is
    // one block, and assigning over cells of the same count reuses their texts' room.
    std::vector<VnVarCell> cells_;
    VnSSMapping mapping_;
    // The pass of getFromMacro and setToMacro, restarted by each: its lists keep their room
    // from one evaluation to the next.
    VnMacroPass pass_;
};

// Prints the collection to the command line (cells other than Inputs).
void dumpVarCells(const VnVarCells& cells);
// The text of the variable-retrieval message for a cell of a standards file.
Ktx_String variableRetrievalMessage(const VnVarCell& cell, const Ktx_String& fileName);
