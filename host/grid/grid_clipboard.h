// Text on the system clipboard for the grid's copy and paste, and the tab-separated form of a
// block of cells.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ss_types.h"

// Puts text on the clipboard on behalf of `owner`; false when the clipboard is not available.
bool gridClipboardPut(HWND owner, const std::string& text);
// The clipboard's text; nullopt when it holds none.
std::optional<std::string> gridClipboardGet(HWND owner);

// Rows of tab-separated fields; "\r\n" or "\n" between rows; a final line end adds no row.
std::vector<std::vector<std::string>> splitTabText(const std::string& text);
// Joins rows with tabs and "\r\n" (also after the last row).
std::string joinTabText(const std::vector<std::vector<std::string>>& rows);
