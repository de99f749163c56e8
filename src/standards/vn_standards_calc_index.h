#pragma once
// The look-ups one calculation of a standard needs for every Calc cell, built once from the
// variable cells: each variable's index by name (letter case folded, the first declaration
// of a name wins) and the translation of variable names into A1 coordinates ("B12").
// Variables without a cell take no part in the translation.
//
// A Calc cell's text says the same under the same index every time: its equation (the left
// variable, the expression, whether it calls a child) and its translated formula are
// worked out once per text and given again (bounded by twice the number of variables, at least
// 1,024 texts; forgotten when full).
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ktx_string_array.h"
#include "vn_standards_calc_names.h"
#include "vn_var_cells.h"

class VnStandardsCalcIndex {
  public:
    explicit VnStandardsCalcIndex(const VnVarCells& cells);
    // The index of these cells, shared: an index depends on nothing but the names and cells of
    // the variables in order, so the index built for the same variables before is given again
    // (each evaluation of a standard declares the same variables in the same cells).
    static std::shared_ptr<const VnStandardsCalcIndex> of(const VnVarCells& cells);
    // The same, taking `last` when it was built from these cells (a host evaluates the same
    // standard again), without looking the cells up among the indexes built.
    static std::shared_ptr<const VnStandardsCalcIndex> of(
        const VnVarCells& cells, const std::shared_ptr<const VnStandardsCalcIndex>& last);

    // The index of the first variable of that name (letter case folded); -1 when none.
    int find(const Ktx_String& name) const;
    // The translation of names into coordinates, in declaration order.
    const VnStandardsCalcNames& coordinates() const { return coordinates_; }
    // True when no two variables share a name (letter case folded).
    bool namesUnique() const { return byName_.size() == static_cast<size_t>(size_); }
    // The number of variables it was built from (a changed count means a stale index).
    int size() const { return size_; }

    // What a Calc cell's text says under this index.
    struct Equation {
        Ktx_String left;        // blanks stripped; empty without "="
        Ktx_String expression;  // the right side, or the whole text without "="
        int var = -1;           // the left variable's index; -1 when the cell is not plain
        bool callsChild = false;
        std::string formula;  // the expression with names replaced by coordinates
        // For a child call: its file and argument names (see childCallPieces), or empty when
        // the call cannot be read.
        Ktx_StringArray childPieces;
        // For each argument name of the child call (childPieces after the file): the index of
        // the variable it names under this index, -1 when there is none.
        std::vector<int> childArgs;
    };
    // The equation worked out for this text before, or null. Shared: a nested evaluation of
    // a standard with the same variables may forget the kept equations meanwhile.
    std::shared_ptr<const Equation> known(const Ktx_String& text) const;
    // Keeps the equation of a text and gives it back.
    std::shared_ptr<const Equation> remember(const Ktx_String& text, Equation equation) const;

    // The A1 name of a cell: column letters and row number.
    static Ktx_String coordName(int col, int row);
    // The key under which a name is indexed (letter case folded).
    static std::string foldedKey(const Ktx_String& name);

  private:
    // True when the cells have the names, columns and rows, in order, it was built from.
    bool builtFrom(const VnVarCells& cells) const;
    struct Declared {
        std::string name;
        int col = 0;
        int row = 0;
    };
    std::vector<Declared> declared_;
    std::unordered_map<std::string, int> byName_;
    VnStandardsCalcNames coordinates_;
    int size_ = 0;
    // Filled while calculating; the index is otherwise unchanged after it was built.
    mutable std::unordered_map<std::string, std::shared_ptr<const Equation>> equations_;
};
