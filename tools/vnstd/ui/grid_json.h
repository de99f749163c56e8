#pragma once
// A grid window ("fpSpread70") as the page draws it, from the grid's own state: size, column
// widths and row heights, headers, cells (text, type, lock, colours, borders), spans, the
// active cell and the selection. At most kMaxGridRows x kMaxGridCols cells are sent.
#include <nlohmann/json.hpp>

#include "bitmap_store.h"
#include "win_access.h"

constexpr int kMaxGridRows = 200;
constexpr int kMaxGridCols = 52;

nlohmann::json gridJson(HWND grid, BitmapStore& pictures);
