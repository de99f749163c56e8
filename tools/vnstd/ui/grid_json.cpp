#include "grid_json.h"

#include <algorithm>
#include <string>

#include "grid.h"

namespace {

using json = nlohmann::json;

std::string cellText(HWND grid, int col, int row, bool formula) {
    int length = formula ? SSGetFormulaLen(grid, col, row) : SSGetDataLen(grid, col, row);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    if (formula) {
        SSGetFormula(grid, col, row, text.data());
    } else {
        SSGetData(grid, col, row, text.data());
    }
    text.resize(static_cast<size_t>(length));
    return text;
}

json bordersJson(HWND grid, int col, int row) {
    json out = json::array();
    for (int side :
         {SS_BORDERTYPE_LEFT, SS_BORDERTYPE_RIGHT, SS_BORDERTYPE_TOP, SS_BORDERTYPE_BOTTOM}) {
        int style = 0;
        COLORREF color = 0;
        SSGetBorder(grid, col, row, side, &style, &color);
        out.push_back(style == SS_BORDERSTYLE_NONE ? json() : json::array({style, color}));
    }
    return out;
}

bool anyBorder(const json& borders) {
    return std::any_of(borders.begin(), borders.end(), [](const json& b) { return !b.is_null(); });
}

json cellJson(HWND grid, int col, int row, BitmapStore& pictures) {
    json cell = json::object();
    std::string text = cellText(grid, col, row, false);
    if (!text.empty()) cell["t"] = text;
    std::string formula = cellText(grid, col, row, true);
    if (!formula.empty()) cell["f"] = formula;
    SSCellType type;
    if (SSGetCellType(grid, col, row, &type) && type.type != SS_CELLTYPE_GENERAL) {
        cell["type"] = type.type;
        if (!type.text.empty()) cell["items"] = type.text;
        if (type.picture != 0) cell["img"] = pictures.put(reinterpret_cast<void*>(type.picture));
    }
    if (SSGetLock(grid, col, row)) cell["lock"] = true;
    COLORREF back = SS_COLOR_DEFAULT, fore = SS_COLOR_DEFAULT;
    SSGetColor(grid, col, row, &back, &fore);
    if (back != SS_COLOR_DEFAULT) cell["bg"] = back;
    if (fore != SS_COLOR_DEFAULT) cell["fg"] = fore;
    json borders = bordersJson(grid, col, row);
    if (anyBorder(borders)) cell["b"] = std::move(borders);
    int anchorCol = 0, anchorRow = 0, cols = 1, rows = 1;
    if (SSGetCellSpan(grid, col, row, &anchorCol, &anchorRow, &cols, &rows) == SS_SPAN_ANCHOR) {
        cell["span"] = json::array({cols, rows});
    } else if (SSGetCellSpan(grid, col, row, nullptr, nullptr, nullptr, nullptr) == SS_SPAN_YES) {
        cell["covered"] = true;
    }
    return cell;
}

json sizesJson(HWND grid, int last, bool columns) {
    json out = json::array();
    for (int i = 0; i <= last; ++i) {
        int pixels = 0;
        columns ? SSGetColWidthInPixels(grid, i, &pixels)
                : SSGetRowHeightInPixels(grid, i, &pixels);
        out.push_back(pixels);
    }
    return out;
}

}  // namespace

json gridJson(HWND grid, BitmapStore& pictures) {
    const int cols = std::min(SSGetMaxCols(grid), kMaxGridCols);
    const int rows = std::min(SSGetMaxRows(grid), kMaxGridRows);
    json out = {{"cols", SSGetMaxCols(grid)},
                {"rows", SSGetMaxRows(grid)},
                {"widths", sizesJson(grid, cols, true)},
                {"heights", sizesJson(grid, rows, false)},
                {"gridColor", SSGetGridColor(grid)}};
    json cells = json::array();
    for (int row = 0; row <= rows; ++row) {
        json line = json::array();
        for (int col = 0; col <= cols; ++col) {
            line.push_back(row == 0 || col == 0 ? json(cellText(grid, col, row, false))
                                                : cellJson(grid, col, row, pictures));
        }
        cells.push_back(std::move(line));
    }
    out["cells"] = std::move(cells);
    int col = 0, row = 0, col2 = 0, row2 = 0;
    if (SSGetActiveCell(grid, &col, &row)) out["active"] = json::array({col, row});
    if (SSGetSelectBlock(grid, &col, &row, &col2, &row2)) {
        out["selection"] = json::array({col, row, col2, row2});
    }
    return out;
}
