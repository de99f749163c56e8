#pragma once
// Searching and replacing in a grid, as the find / replace dialog does it. A search looks at
// the value texts (what the cells show) for cells that contain the search text, row by row
// from the cell after the active one; the cell found becomes the active cell and the
// selection.
//
// Replacing changes a cell's data text (every occurrence of the search text in it). A formula
// cell is found but never replaced: writing its shown value as data would lose the formula.
#include <functional>

#include "ktx_string.h"
#include "spread_forward.h"

enum class SpreadFindResult {
    Found,     // a cell was found and made active
    NotFound,  // not found, also not from the first cell when that was wanted
    Declined,  // not found before the end, and searching from the first cell was declined
};

// Searches from the cell after the active one to the end. When nothing is found there,
// `askWrap` is asked whether to search again from cell 1,1. An empty text finds nothing. The
// active cell stays unless a cell is found.
SpreadFindResult spreadFindNext(Ktx_Spread& ss, const Ktx_String& text,
                                const std::function<bool()>& askWrap);
// Replaces every occurrence of `text` in the data text of the cell; false (cell unchanged)
// for a formula cell, a cell without the text, or a cell whose type refuses the new text.
bool spreadReplaceInCell(Ktx_Spread& ss, int col, int row, const Ktx_String& text,
                         const Ktx_String& replacement);
// Replaces in every cell from 1,1 on; returns the number of cells changed.
int spreadReplaceAll(Ktx_Spread& ss, const Ktx_String& text, const Ktx_String& replacement);
