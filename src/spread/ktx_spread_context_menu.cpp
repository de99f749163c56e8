#include "ktx_spread_context_menu.h"

#include "dial_string.h"
#include "grid.h"
#include "ktx_spread.h"
#include "redraw_lock.h"
#include "spread_selection.h"
#include "win.h"

namespace {

// The text key of each kind's item (index = kind); 0 for the separator.
constexpr int kKindText[] = {0, 0, 1154, 1155, 774, 775, 1156, 1157, 1400, 1401};
constexpr int kKindCount = 10;

}  // namespace

Ktx_SpreadContextMenu::Ktx_SpreadContextMenu(Ktx_Spread& grid, const Ktx_Array<int>& kinds)
    : grid_(grid), kinds_(kinds) {}

int Ktx_SpreadContextMenu::commandOfItem(int index) const {
    if (index < 0 || index >= kinds_.length() || kinds_[index] == kSeparator) return 0;
    int position = 0;
    for (int i = 0; i < index; ++i) {
        if (kinds_[i] != kSeparator) ++position;
    }
    return position < static_cast<int>(kCommandIds.size()) ? kCommandIds[position] : 0;
}

int Ktx_SpreadContextMenu::kindOfCommand(int commandId) const {
    int position = 0;
    while (position < static_cast<int>(kCommandIds.size()) && kCommandIds[position] != commandId)
        ++position;
    if (position == static_cast<int>(kCommandIds.size())) return 0;
    for (int kind : kinds_) {
        if (kind == kSeparator) continue;
        if (position-- == 0) return kind;
    }
    return 0;
}

HMENU Ktx_SpreadContextMenu::build() const {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < kinds_.length(); ++i) {
        const int kind = kinds_[i];
        if (kind == kSeparator) {
            AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const int command = commandOfItem(i);
        if (command == 0 || kind < 2 || kind >= kKindCount) continue;
        AppendMenu(menu, MF_STRING, command, dialString(kKindText[kind]).c_str());
    }
    return menu;
}

void Ktx_SpreadContextMenu::show(POINT screenPoint) const {
    HMENU menu = build();
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0,
                   grid_.gridWindow(), nullptr);
    DestroyMenu(menu);
}

bool Ktx_SpreadContextMenu::run(int commandId) {
    HWND h = grid_.gridWindow();
    const int kind = kindOfCommand(commandId);
    if (!h || kind == 0) return false;
    switch (kind) {
        case 2:
            SSClipboardCopy(h);
            break;
        case 3:
            SSClipboardPaste(h);
            break;
        case 4:
            grid_.insertRow(grid_.getSelectionRow(), false, true);
            break;
        case 5:
            grid_.deleteRow(grid_.getSelectionRow());
            break;
        case 6:
            insertColumn();
            break;
        case 7:
            deleteColumn();
            break;
        case 8:
        case 9:
            setChecks(kind == 8 ? "1" : "0");
            break;
        default:
            return false;
    }
    SSSetBool(h, SSB_CHANGEMADE, true);
    return true;
}

// A column at the selected one; it takes the format of the column that moved right.
void Ktx_SpreadContextMenu::insertColumn() {
    HWND h = grid_.gridWindow();
    const int cols = grid_.getMaxCols();
    const int col = grid_.getSelectionCol();
    if (col < 1 || col > cols) return;
    RedrawLock lock(&grid_);
    if (!SSSetMaxCols(h, cols + 1) || !SSInsCol(h, col)) return;
    if (SSGetMaxCols(h) > cols + 1) SSSetMaxCols(h, cols + 1);
    SSCopyRange(h, col + 1, 0, col + 1, grid_.getMaxRows(), col, 0, SS_COPY_FORMAT);
}

void Ktx_SpreadContextMenu::deleteColumn() {
    HWND h = grid_.gridWindow();
    const int cols = grid_.getMaxCols();
    const int col = grid_.getSelectionCol();
    if (col < 1 || col > cols) return;
    RedrawLock lock(&grid_);
    if (SSDelCol(h, col) && SSGetMaxCols(h) == cols) SSSetMaxCols(h, cols - 1);
}

// Every check-box cell of the selected block (else the active cell) gets the data.
void Ktx_SpreadContextMenu::setChecks(const char* data) {
    HWND h = grid_.gridWindow();
    SpreadBlock b;
    if (!spreadSelectedBlock(grid_, b)) return;
    RedrawLock lock(&grid_);
    for (int r = b.row; r <= b.row2; ++r) {
        for (int c = b.col; c <= b.col2; ++c) {
            SSCellType type;
            if (SSGetCellType(h, c, r, &type) && type.type == SS_CELLTYPE_CHECKBOX)
                SSSetData(h, c, r, data);
        }
    }
}
