// What a person does to a grid, for tests and the scripted user: typing into a cell,
// clicking check-box and button cells, right-clicking cells and headers, selecting blocks.
// Each action behaves as the person's action would: it respects locked cells, sets option 30
// (the changed mark) when it changes data, and notifies the parent window (SSM_NOTIFY).
#pragma once

#include <functional>
#include <string>

#include "ss_types.h"

// Makes the cell active and types `text` into it, as if confirmed with Enter: text
// beginning with "=" is a formula. False (nothing changed) for a locked, static-text,
// picture or button cell, a header cell, text the cell type refuses, or a formula that does
// not parse. Notifies SSN_CELLCHANGED on success.
bool ssUserTypeInCell(HWND grid, int col, int row, const std::string& text);
// Clicks a cell: makes it active (SSN_ACTIVECELLCHANGED when it moved); an unlocked
// check-box cell toggles ("1" <-> "0", SSN_CELLCHANGED) and a check-box or button cell
// notifies SSN_BUTTONCLICKED. Row 0 with col >= 1 is a column-header click
// (SSN_COLHEADERCLICK).
bool ssUserClickCell(HWND grid, int col, int row);
// Right-clicks a cell or a header (row 0 / column 0): SSN_RIGHTCLICK with its cell.
bool ssUserRightClickCell(HWND grid, int col, int row);
// Selects a block by dragging from (col,row) to (col2,row2); -1 for whole rows / columns.
bool ssUserSelectBlock(HWND grid, int col, int row, int col2, int row2);

// Steps for the window system's scripted user (Script::then) that act on the grid control
// `gridId` of the dialog being driven (also one on a page of a tab control inside it):
//   winScriptNextDialog(IDD, Script().then(ssStepTypeInCell(1004, 2, 3, "12")).click(IDOK));
// The mouse works too: Script::mouse / rightClick at gridCellCenter (grid_mouse.h).
std::function<void(HWND)> ssStepTypeInCell(int gridId, int col, int row, std::string text);
std::function<void(HWND)> ssStepClickCell(int gridId, int col, int row);
std::function<void(HWND)> ssStepRightClickCell(int gridId, int col, int row);
std::function<void(HWND)> ssStepSelectBlock(int gridId, int col, int row, int col2, int row2);
