#pragma once
// Picking one of several things in the drawing: a popup menu of their names at the cursor,
// owned by the CAD host's main window. The index of the picked name, -1 when the user
// dismissed the menu or there was nothing to pick.
#include <string>
#include <vector>

int pickInDrawing(const std::vector<std::string>& names);
