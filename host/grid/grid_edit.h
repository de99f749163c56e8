// What happens when a person enters text into a cell (typing or pasting): shared by the
// scripted user and the clipboard paste.
#pragma once

#include <string_view>

#include "sheet_model.h"

// Enters `text` into the cell as a person would: refused (false, unchanged) for a locked
// cell, a header cell, a type a person cannot type into, text longer than an edit cell's
// maximum length, text the type refuses, or a formula ("=" first) that does not parse.
bool gridPersonEntersText(SheetModel& sheet, int col, int row, std::string_view text);
