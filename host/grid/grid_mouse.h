// The grid window's answer to mouse messages: a press on a cell acts as a person's click on
// it (grid_user.h), a press on a column header as a header click, a right press as a right
// click with its cell, a drag from one cell to another selects the block between. Cells are
// found from the column widths and row heights, headers counted when shown.
#pragma once

#include "win_types.h"

// True when the message was a mouse message the grid took.
bool gridHandleMouse(HWND grid, UINT msg, WPARAM wParam, LPARAM lParam);
// The cell under a point of the grid's client area; false when there is none.
bool gridCellAtPoint(HWND grid, POINT point, int& col, int& row);
// The centre of a cell in client coordinates (for scripted mouse steps); {-1,-1} when the
// cell does not exist.
POINT gridCellCenter(HWND grid, int col, int row);
