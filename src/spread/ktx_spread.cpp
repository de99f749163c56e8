// Ktx_Spread: construction, look, fit settings, font and size.
#include "ktx_spread.h"

#include "grid.h"
#include "ktx_spread_context_menu.h"
#include "ktx_spread_fields.h"
#include "ktx_spread_find_dlg.h"
#include "redraw_lock.h"

namespace {

constexpr int kOptionChanged = SSB_CHANGEMADE;
constexpr COLORREF kButtonFace = RGB(0xF0, 0xF0, 0xF0);
constexpr COLORREF kSelectionBack = 0x6A240A;
constexpr COLORREF kSelectionFore = 0xFFFFFF;
constexpr COLORREF kLockedBack = 0xE6E6E6;

}  // namespace

Ktx_Spread::Ktx_Spread() : fields_(std::make_unique<Fields>()) {}

Ktx_Spread::~Ktx_Spread() {
    if (findDialog_) findDialog_->closeWindow();
}

HWND Ktx_Spread::gridWindow() const {
    return created ? fields_->grid : nullptr;
}

bool Ktx_Spread::setDefaultLook(int enterMode) {
    if (!created) return false;
    HWND h = fields_->grid;
    {
        RedrawLock lock(this);
        for (auto [option, on] : {std::pair{12, false},
                                  {SSB_AUTOCALC, false},
                                  {21, true},
                                  {26, false},
                                  {34, true},
                                  {32, true},
                                  {18, false},
                                  {21, true},
                                  {22, true},
                                  {21, true}})
            SSSetBool(h, option, on);
        SSSetGrayAreaColor(h, kButtonFace, kButtonFace);
        SSSetCursorStyle(h, 1);
        SSSetSelColor(h, kSelectionBack, kSelectionFore);
        for (int option : {11, 3, 4, 18}) SSSetBool(h, option, true);
        SSSetLockColor(h, kLockedBack, SS_COLOR_DEFAULT);
        if (enterMode == 1) {
            SSSetBool(h, 13, true);
            SSSetBool(h, 10, false);
            SSSetEditEnterAction(h, 0);
        } else if (enterMode == 0) {
            SSSetBool(h, 13, false);
            SSSetBool(h, 10, true);
            SSSetEditEnterAction(h, 5);
        }
    }
    return true;
}

void Ktx_Spread::setFitMode(int mode, const int& fitColumn, const int& fitWidth) {
    fields_->fitMode = mode;
    fields_->fitColumn = fitColumn;
    fields_->fitWidth = fitWidth;
}

void Ktx_Spread::setFitMode(int mode, const Ktx_Array<int>& columns, const Ktx_Array<int>& widths) {
    fields_->fitMode = mode;
    fields_->fixedColumns = columns;
    fields_->fixedWidths = widths;
}

void Ktx_Spread::showFindDialog(bool replace) {
    if (!created) return;
    if (!findDialog_) findDialog_ = std::make_unique<Ktx_SpreadFindDlg>(*this);
    findDialog_->showMode(replace);
}

void Ktx_Spread::forgetFindDialog() {
    findDialog_.reset();
}

void Ktx_Spread::setContextMenu(const Ktx_Array<int>& kinds) {
    fields_->contextMenuKinds = kinds;
    contextMenu_ = std::make_unique<Ktx_SpreadContextMenu>(*this, kinds);
}

const Ktx_Array<int>& Ktx_Spread::contextMenuKinds() const {
    return fields_->contextMenuKinds;
}

void Ktx_Spread::setGridFont(const Ktx_String& name, int height) {
    fields_->fontName = name;
    fields_->fontHeight = height;
}

bool Ktx_Spread::applyFont(int col1, int row1, int col2, int row2) {
    if (!created) return false;
    SSFont font;
    font.name = fields_->fontName.str();
    font.height = fields_->fontHeight;
    return SSSetFontRange(fields_->grid, col1, row1, col2, row2, font);
}

int Ktx_Spread::getMaxRows() {
    return created ? SSGetMaxRows(fields_->grid) : -1;
}

int Ktx_Spread::getMaxCols() {
    return created ? SSGetMaxCols(fields_->grid) : -1;
}

bool Ktx_Spread::setMaxRows(int& rows, bool copyFormat) {
    if (!created) return false;
    if (rows < 0) rows = 0;
    HWND h = fields_->grid;
    const int before = SSGetMaxRows(h);
    RedrawLock lock(this);
    if (!SSSetMaxRows(h, rows)) return false;
    if (rows == before) return true;
    const int cols = SSGetMaxCols(h);
    if (rows > before) {
        if (copyFormat && before > 0) {
            for (int r = before + 1; r <= rows; ++r)
                SSCopyRange(h, 0, r - 1, cols, r - 1, 0, r, SS_COPY_FORMAT);
        }
        applyFont(0, before + 1, cols, rows);
        if (before == 0) applyFont(0, 0, cols, 0);
    }
    SSSetBool(h, kOptionChanged, true);
    return true;
}

bool Ktx_Spread::setMaxCols(int& cols, bool copyFormat) {
    if (!created) return false;
    if (cols < 0) cols = 0;
    HWND h = fields_->grid;
    const int before = SSGetMaxCols(h);
    RedrawLock lock(this);
    if (!SSSetMaxCols(h, cols)) return false;
    if (cols == before) return true;
    const int rows = SSGetMaxRows(h);
    if (cols > before) {
        if (copyFormat && before > 0) {
            for (int c = before + 1; c <= cols; ++c)
                SSCopyRange(h, c - 1, 0, c - 1, rows, c, 0, SS_COPY_FORMAT);
        }
        applyFont(before + 1, 0, cols, rows);
        if (before == 0) applyFont(0, 0, 0, rows);
    }
    SSSetBool(h, kOptionChanged, true);
    return true;
}
