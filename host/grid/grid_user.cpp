#include "grid_user.h"

#include "cell_type_rules.h"
#include "grid_edit.h"
#include "ss_access.h"
#include "ss_functions.h"
#include "user_actions.h"
#include "window_api.h"

bool ssUserTypeInCell(HWND hWnd, int col, int row, const std::string& text) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid || col < 1 || row < 1) return false;
    grid->setActiveCell(col, row, true);
    if (!gridPersonEntersText(grid->sheet(), col, row, text)) return false;
    grid->markChanged();
    grid->notify(SSN_CELLCHANGED, col, row);
    return true;
}

namespace {

// Toggles an unlocked check-box cell; true when it changed.
bool toggleCheckBox(GridWindow& grid, int col, int row) {
    SheetModel& sheet = grid.sheet();
    if (sheet.format(col, row).lock || sheet.hasFormula(col, row)) return false;
    const bool checked = sheet.valueText(col, row) == "1";
    if (!sheet.setData(col, row, checked ? "0" : "1")) return false;
    grid.markChanged();
    grid.notify(SSN_CELLCHANGED, col, row);
    return true;
}

}  // namespace

bool ssUserClickCell(HWND hWnd, int col, int row) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid) return false;
    if (row == 0) {
        if (col >= 1) grid->notify(SSN_COLHEADERCLICK, col, 0);
        return true;
    }
    if (col == 0) return true;
    // The parent hears each step and may destroy the grid in its handler: the grid is looked
    // up again after every notification.
    grid->setActiveCell(col, row, true);
    if (!(grid = ssCell(hWnd, col, row))) return true;
    const int type = grid->sheet().format(col, row).cellType.type;
    if (type == SS_CELLTYPE_CHECKBOX) toggleCheckBox(*grid, col, row);
    if (!(grid = ssCell(hWnd, col, row))) return true;
    if (type == SS_CELLTYPE_CHECKBOX || type == SS_CELLTYPE_BUTTON) {
        grid->notify(SSN_BUTTONCLICKED, col, row);
    }
    return true;
}

bool ssUserRightClickCell(HWND hWnd, int col, int row) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid) return false;
    grid->notify(SSN_RIGHTCLICK, col, row);
    return true;
}

bool ssUserSelectBlock(HWND hWnd, int col, int row, int col2, int row2) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !SSSetSelectBlock(hWnd, col, row, col2, row2)) return false;
    const GridBlock& b = *grid->selection();
    if (b.col >= 1 && b.row >= 1) grid->setActiveCell(b.col, b.row, true);
    grid->notify(SSN_SELECTIONCHANGED, b.col, b.row, b.col2, b.row2);
    return true;
}

std::function<void(HWND)> ssStepTypeInCell(int gridId, int col, int row, std::string text) {
    return [=](HWND dialog) { ssUserTypeInCell(winFindControl(dialog, gridId), col, row, text); };
}

std::function<void(HWND)> ssStepClickCell(int gridId, int col, int row) {
    return [=](HWND dialog) { ssUserClickCell(winFindControl(dialog, gridId), col, row); };
}

std::function<void(HWND)> ssStepRightClickCell(int gridId, int col, int row) {
    return [=](HWND dialog) { ssUserRightClickCell(winFindControl(dialog, gridId), col, row); };
}

std::function<void(HWND)> ssStepSelectBlock(int gridId, int col, int row, int col2, int row2) {
    return [=](HWND dialog) {
        ssUserSelectBlock(winFindControl(dialog, gridId), col, row, col2, row2);
    };
}
