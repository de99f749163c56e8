#include "grid_window.h"

#include <unordered_map>

#include "gdi_objects.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_tree.h"

namespace {

std::unordered_map<HWND, std::unique_ptr<GridWindow>>& gridWindows() {
    static std::unordered_map<HWND, std::unique_ptr<GridWindow>> windows;
    return windows;
}

}  // namespace

GridWindow::GridWindow(HWND handle) : handle_(handle), sheet_(std::make_unique<SheetModel>()) {
    options_[SSB_SHOWCOLHEADERS] = true;
    options_[SSB_SHOWROWHEADERS] = true;
    options_[SSB_AUTOCALC] = true;
    options_[SSB_REDRAW] = true;
    sheet_->engine().setAutoCalc(true);
}

GridWindow::~GridWindow() {
    for (HBITMAP picture : pictures_) ::DeleteObject(picture);
}

HBITMAP GridWindow::keepPicture(HBITMAP picture) {
    if (picture) pictures_.push_back(picture);
    return picture;
}

GridWindow* GridWindow::find(HWND handle) {
    auto& windows = gridWindows();
    auto it = windows.find(handle);
    if (it == windows.end()) return nullptr;
    // A handle of a destroyed grid may name another window now.
    const WinWindow* window = winWindowData(handle);
    if (window == nullptr) return nullptr;
    const std::string& cls = window->className;
    if (cls != "fpSpread70" && cls != "fpSpreadPreview70") return nullptr;
    last_ = {handle, it->second.get()};
    return last_.grid;
}

GridWindow& GridWindow::attach(HWND handle) {
    last_ = {};
    auto& slot = gridWindows()[handle];
    slot = std::make_unique<GridWindow>(handle);
    return *slot;
}

void GridWindow::detach(HWND handle) {
    last_ = {};
    gridWindows().erase(handle);
}

void GridWindow::replaceSheet(std::unique_ptr<SheetModel> sheet) {
    kept_.drop();
    sheet_ = std::move(sheet);
    sheet_->engine().setAutoCalc(options_[SSB_AUTOCALC]);
    sheet_->engine().setRefStyle(refStyle_);
    activeCol_ = activeRow_ = 0;
    hasSelection_ = false;
}

bool GridWindow::option(int number) const {
    return number >= 0 && number < SS_OPTION_COUNT && options_[number];
}

bool GridWindow::setOption(int number, bool on) {
    if (number < 0 || number >= SS_OPTION_COUNT) return false;
    const bool previous = options_[number];
    options_[number] = on;
    if (number == SSB_AUTOCALC) sheet_->engine().setAutoCalc(on);
    return previous;
}

void GridWindow::setRefStyle(int code) {
    refStyleCode_ = code;
    refStyle_ = code == SS_REFSTYLE_R1C1 ? FormulaRefStyle::R1C1 : FormulaRefStyle::A1;
    sheet_->engine().setRefStyle(refStyle_);
}

bool GridWindow::setActiveCell(int col, int row, bool notifyParent) {
    if (!sheet_->exists(col, row) || col < 1 || row < 1) return false;
    const int oldCol = activeCol_;
    const int oldRow = activeRow_;
    activeCol_ = col;
    activeRow_ = row;
    if (notifyParent && (oldCol != col || oldRow != row)) {
        notify(SSN_ACTIVECELLCHANGED, col, row, oldCol, oldRow);
    }
    return true;
}

void GridWindow::setSelection(const GridBlock& block) {
    selection_ = block;
    hasSelection_ = true;
}

void GridWindow::notify(int code, int col, int row, int col2, int row2) {
    HWND parent = GetParent(handle_);
    if (parent == nullptr) return;
    SSNotify record;
    record.grid = handle_;
    record.controlId = GetDlgCtrlID(handle_);
    record.code = code;
    record.col = col;
    record.row = row;
    record.col2 = col2;
    record.row2 = row2;
    const HWND self = handle_;
    SendMessage(parent, SSM_NOTIFY, static_cast<WPARAM>(record.controlId),
                reinterpret_cast<LPARAM>(&record));
    // The parent may have destroyed the grid: find it again rather than use `this`.
    if (GridWindow* grid = ofKeepingText(self)) grid->kept_.drop();
}
