// The select macro dialog's filter grid: a check box and a label per filter item, and its
// clicks.
#include "dial_string.h"
#include "grid.h"
#include "ktx_spread.h"
#include "vn_select_macro_dlg.h"

namespace {

constexpr int kTextModuleHeader = 1119;
constexpr int kTextPropertyHeader = 1120;

}  // namespace

void VnSelectMacroDlg::fillFilterGrid() {
    HWND grid = grid_->gridWindow();
    if (grid == nullptr) return;
    model_.filtersReady = false;
    model_.loadFilterItems();
    SSSetBool(grid, SSB_REDRAW, false);
    SSSetBool(grid, SSB_SHOWROWHEADERS, false);
    const int rows = model_.filterRowCount();
    const int cols = model_.filterColumnCount();
    grid_->setMaxRows(rows);
    grid_->setMaxCols(cols);
    Ktx_StringArray headers;
    for (int c = 1; c <= cols; ++c)
        headers.append(c % 2 == 1 ? Ktx_String(" ")
                                  : dialString(c == 2 ? kTextModuleHeader : kTextPropertyHeader));
    grid_->setColumnHeaders(headers);
    SSCellType checkBox, label;
    SSSetTypeCheckBox(grid, &checkBox, 0, "", nullptr, nullptr);
    SSSetTypeStaticText(grid, &label, 0);
    if (rows > 0 && cols > 0) {
        SSSetCellTypeRange(grid, 1, 1, cols, rows, &label);
        SSSetLockRange(grid, 1, 1, cols, rows, true);
    }
    for (int r = 0; r < rows; ++r) {
        for (int item = 0; item < model_.itemNames[r].length(); ++item) {
            const int col = 2 * item + 1;
            SSSetCellType(grid, col, r + 1, &checkBox);
            SSSetLock(grid, col, r + 1, false);
            grid_->setCellText(col, r + 1, model_.itemStates[r][item] ? "1" : "0");
            grid_->setCellText(col + 1, r + 1, model_.itemLabels[r][item]);
        }
    }
    grid_->fitToTexts();
    SSSetBool(grid, SSB_CHANGEMADE, false);
    SSSetBool(grid, SSB_REDRAW, true);
    model_.filtersReady = true;
}

LRESULT VnSelectMacroDlg::onGridNotify(WPARAM wParam, LPARAM lParam) {
    const auto* n = reinterpret_cast<const SSNotify*>(lParam);
    if (n == nullptr || n->code != SSN_BUTTONCLICKED || static_cast<int>(wParam) != kFilterGrid ||
        !model_.filtersReady)
        return 0;
    int col = 0, row = 0;
    if (!grid_->getActiveCell(col, row)) return 0;
    Ktx_String state;
    grid_->getCellText(col, row, state, CellTextKind::Value);
    if (model_.filterClicked(col, row, state == "1")) {
        fillFilterGrid();
        fillThumbnails();
    }
    return 0;
}
