#pragma once
// Width arithmetic of the grid's column-fitting modes 1, 3, 4 and 5, kept apart from the
// window so that it can be checked on plain numbers.
//
// A layout is a vector of widths in pixels: index 0 is the row-header column, index c
// (1 .. n) is grid column c. `available` is the grid's usable client width (client width less
// a shown vertical scroll bar). Every function returns the new layout; entries it does not
// decide keep their value. Shared widths never go below 0; a remainder of pixels that does
// not divide evenly goes one pixel each to the first sharing columns, so the shared columns
// fill the width exactly.
#include <vector>

namespace spread_fit {

using Widths = std::vector<int>;

// Mode 1: every column, and the row-header column when shown, gets an equal share.
Widths fitEqual(const Widths& current, int available, bool rowHeaders);

// Mode 3: columns fitColumn .. n share what the columns before them leave over (the
// row-header column counts among those before when shown). A fitColumn outside 1 .. n
// changes nothing.
Widths fitFromColumn(const Widths& current, int available, bool rowHeaders, int fitColumn);

// Mode 4: every column but fitColumn gets fixedWidth; fitColumn takes what is left. The
// row-header column keeps its width when shown. A fitColumn outside 1 .. n changes nothing.
Widths fitOneColumn(const Widths& current, int available, bool rowHeaders, int fitColumn,
                    int fixedWidth);

// Mode 5: listed columns get their listed widths (column 0, the row-header column, only when
// shown); the unlisted columns share the rest equally. Entries without a width, and column
// numbers outside 0 .. n, are ignored. A shown row-header column that is not listed keeps its
// width.
Widths fitListed(const Widths& current, int available, bool rowHeaders,
                 const std::vector<int>& columns, const std::vector<int>& widths);

// `count` equal parts of `total` (never negative), the remainder spread over the first parts.
std::vector<int> shareEqually(int total, int count);

}  // namespace spread_fit
