#pragma once
// One variable declared in a standards spreadsheet: a cell holding "Int NAME", "Double NAME"
// or "String NAME" in the Input, Output or Local section. The declaration cell is also the
// variable's storage cell: writing a value replaces the declaration by the value. A cell whose
// col and row are 0 is detached from any grid (an argument list for a child standard).
//
// Operations returning Acad::ErrorStatus give eOk or eInvalidInput.
#include "acad.h"
#include "ktx_string.h"
#include "vn_value_type.h"

class Ktx_Spread;
class VnSSMapping;
class VnDlgStandardsData;
class VnMacroPass;

class VnVarCell {
  public:
    Ktx_String name;
    VnCellType cellType = VnCellInput;
    Ktx_String value;
    VnValueType valueType = VnValueString;
    int col = 0;
    int row = 0;

    VnVarCell() = default;
    VnVarCell(const VnVarCell&) = default;
    VnVarCell(VnVarCell&&) noexcept = default;
    VnVarCell& operator=(const VnVarCell&) = default;
    VnVarCell& operator=(VnVarCell&&) noexcept = default;
    virtual ~VnVarCell() = default;

    // Reads the cell at col,row and, when it is a declaration, fills the record as a variable
    // of section `type`. On failure col, row and cellType are unchanged.
    Acad::ErrorStatus initialize(Ktx_Spread& ss, const int& col, const int& row,
                                 const VnCellType& type);

    bool isInput() const { return cellType == VnCellInput; }
    bool isOutput() const { return cellType == VnCellOutput; }
    bool isLocal() const { return cellType == VnCellLocal; }

    // value = other.value, written into this cell of the grid.
    Acad::ErrorStatus setValueFromOther(Ktx_Spread& ss, const VnVarCell& other);
    // value = the macro property the mapping links to this variable.
    // `pass` as for VnObjectMap.
    Acad::ErrorStatus setValueFromMacro(VnSSMapping& map, VnDlgStandardsData& data,
                                        VnMacroPass* pass = nullptr);
    // The macro property the mapping links to this variable = value.
    Acad::ErrorStatus setValueToMacro(VnSSMapping& map, VnDlgStandardsData& data,
                                      VnMacroPass* pass = nullptr);

  private:
    friend class VnVarCells;
    friend class VnStandardsSpread;

    Acad::ErrorStatus setNewValue(const Ktx_String& v);
    Acad::ErrorStatus setNewValue(Ktx_Spread& ss, const Ktx_String& v);
    // value = v, written into a cell that already has the format of valueType.
    Acad::ErrorStatus setNewValueInFormat(Ktx_Spread& ss, const Ktx_String& v);
    // Formats the cell by valueType (Int: number, 0 decimals; Double: number, 7 decimals;
    // String: text of at most 9999 characters) and writes value as its value.
    Acad::ErrorStatus setValueToSS(Ktx_Spread& ss);
    // The cell's value text; fails when the cell cannot be read.
    Acad::ErrorStatus getCurrentValue(Ktx_Spread& ss, Ktx_String& out);
};
