#pragma once
// A Calc cell's expression as the engine turns it into a grid formula, taken apart for the
// authoring tools: the variable names are translated into cell coordinates by the engine's own
// translation (VnStandardsCalcIndex), and the result is read by the grid's own formula parser,
// which keeps the names it does not know. From the compiled code come the cells the formula
// reads, the names left untranslated, and every function call with its argument count and,
// when the first argument is a text literal, that text.
#include <string>
#include <vector>

#include "vn_standards_calc_index.h"

struct CalcCall {
    std::string name;  // upper case, as the grid compiles it
    int argCount = 0;
    bool builtin = false;
    bool firstArgIsText = false;
    std::string firstArg;  // the text literal, when firstArgIsText
};

struct CalcFormula {
    std::string translated;  // the formula the grid is given
    bool parsed = false;
    std::string error;  // the grid's message when it did not parse ("unexpected ')'" ...)
    std::vector<std::string> unknownNames;   // names neither translated nor known to the grid
    std::vector<CalcCall> calls;             // in the order they are calculated
    std::vector<std::pair<int, int>> cells;  // cells read (col, row), ranges expanded to corners
    std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>>
        ranges;  // (col,row)..(col,row)

    // True when the formula reads the cell (a reference to it, or a range holding it).
    bool reads(int col, int row) const;
};

// Translates and reads `expression` with the variables of `index`. The engineering functions
// of the standards engine count as known functions (as they are registered before a
// calculation); a call of any other unknown function is kept as a call, not a failure.
CalcFormula readCalcFormula(const std::string& expression, const VnStandardsCalcIndex& index);
