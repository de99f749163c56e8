// SS... functions on the active cell, the selection and the clipboard.
#include <algorithm>

#include "cell_type_rules.h"
#include "grid_clipboard.h"
#include "grid_edit.h"
#include "ss_access.h"
#include "ss_functions.h"

namespace {

// The selected block resolved to cells, else the active cell; false when there is neither.
bool clipboardBlock(GridWindow& grid, GridBlock& block) {
    if (const GridBlock* sel = grid.selection()) {
        block = *sel;
        return ssBlock(grid, block.col, block.row, block.col2, block.row2);
    }
    if (!grid.hasActiveCell()) return false;
    block = {grid.activeCol(), grid.activeRow(), grid.activeCol(), grid.activeRow()};
    return grid.sheet().exists(block.col, block.row);
}

}  // namespace

bool SSGetActiveCell(HWND hWnd, int* col, int* row) {
    GridWindow* grid = ssGrid(hWnd);
    const bool has =
        grid && grid->hasActiveCell() && grid->sheet().exists(grid->activeCol(), grid->activeRow());
    if (col) *col = has ? grid->activeCol() : 0;
    if (row) *row = has ? grid->activeRow() : 0;
    return has;
}

bool SSSetActiveCell(HWND hWnd, int col, int row) {
    GridWindow* grid = ssGrid(hWnd);
    return grid && grid->setActiveCell(ssCoord(col), ssCoord(row), false);
}

bool SSGetSelectBlock(HWND hWnd, int* col, int* row, int* col2, int* row2) {
    GridWindow* grid = ssGrid(hWnd);
    const GridBlock* sel = grid ? grid->selection() : nullptr;
    const GridBlock block = sel ? *sel : GridBlock{};
    if (col) *col = block.col;
    if (row) *row = block.row;
    if (col2) *col2 = block.col2;
    if (row2) *row2 = block.row2;
    return sel != nullptr;
}

bool SSSetSelectBlock(HWND hWnd, int col, int row, int col2, int row2) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid) return false;
    GridBlock check{col, row, col2, row2};
    if (!ssBlock(*grid, check.col, check.row, check.col2, check.row2)) return false;
    grid->setSelection(GridBlock{ssCoord(col), ssCoord(row), ssCoord(col2), ssCoord(row2)});
    return true;
}

bool SSClearSelection(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid) return false;
    grid->clearSelection();
    return true;
}

bool SSClipboardCopy(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    GridBlock b;
    if (!grid || !clipboardBlock(*grid, b)) return false;
    std::vector<std::vector<std::string>> rows;
    for (int r = b.row; r <= b.row2; ++r) {
        std::vector<std::string>& fields = rows.emplace_back();
        for (int c = b.col; c <= b.col2; ++c) fields.push_back(grid->sheet().dataText(c, r));
    }
    return gridClipboardPut(hWnd, joinTabText(rows));
}

bool SSClipboardCut(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    GridBlock b;
    if (!grid || !clipboardBlock(*grid, b) || !SSClipboardCopy(hWnd)) return false;
    for (int r = b.row; r <= b.row2; ++r) {
        for (int c = b.col; c <= b.col2; ++c) {
            if (!grid->sheet().format(c, r).lock) grid->sheet().clearContent(c, r);
        }
    }
    grid->markChanged();
    grid->notify(SSN_CELLCHANGED, b.col, b.row, b.col2, b.row2);
    return true;
}

bool SSClipboardPaste(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    GridBlock b;
    if (!grid || !clipboardBlock(*grid, b)) return false;
    const std::optional<std::string> text = gridClipboardGet(hWnd);
    if (!text) return false;
    const auto rows = splitTabText(*text);
    SheetModel& sheet = grid->sheet();
    int lastCol = b.col;
    int lastRow = b.row;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < rows[i].size(); ++j) {
            const int c = b.col + static_cast<int>(j);
            const int r = b.row + static_cast<int>(i);
            if (!sheet.exists(c, r)) continue;
            if (gridPersonEntersText(sheet, c, r, rows[i][j])) {
                lastCol = std::max(lastCol, c);
                lastRow = std::max(lastRow, r);
            }
        }
    }
    grid->markChanged();
    grid->notify(SSN_CELLCHANGED, b.col, b.row, lastCol, lastRow);
    return true;
}
