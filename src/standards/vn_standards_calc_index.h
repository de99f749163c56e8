#pragma once
// The look-ups one calculation of a standard needs for every Calc cell, built once from the
// variable cells: each variable's index by name (letter case folded, the first declaration
// of a name wins) and the translation of variable names into A1 coordinates ("B12").
// Variables without a cell take no part in the translation.
#include <memory>
#include <string>
#include <unordered_map>

#include "vn_standards_calc_names.h"
#include "vn_var_cells.h"

class VnStandardsCalcIndex {
  public:
    explicit VnStandardsCalcIndex(const VnVarCells& cells);
    // The index of these cells, shared: an index depends on nothing but the names and cells of
    // the variables in order, so the index built for the same variables before is given again
    // (each evaluation of a standard declares the same variables in the same cells).
    static std::shared_ptr<const VnStandardsCalcIndex> of(const VnVarCells& cells);

    // The index of the first variable of that name (letter case folded); -1 when none.
    int find(const Ktx_String& name) const;
    // The translation of names into coordinates, in declaration order.
    const VnStandardsCalcNames& coordinates() const { return coordinates_; }
    // The number of variables it was built from (a changed count means a stale index).
    int size() const { return size_; }

    // The A1 name of a cell: column letters and row number.
    static Ktx_String coordName(int col, int row);
    // The key under which a name is indexed (letter case folded).
    static std::string foldedKey(const Ktx_String& name);

  private:
    std::unordered_map<std::string, int> byName_;
    VnStandardsCalcNames coordinates_;
    int size_ = 0;
};
