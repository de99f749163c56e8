// Ktx_Spread: construction, look, fit settings, font and size.
#include "ktx_spread.h"

#include <array>

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

// The window goes while the object is still whole, so its last messages reach this class.
Ktx_Spread::~Ktx_Spread() {
    if (findDialog_) findDialog_->closeWindow();
    if (GetSafeHwnd()) DestroyWindow();
}

HWND Ktx_Spread::gridWindow() const {
    return created ? m_hWnd : nullptr;
}

bool Ktx_Spread::create(CWnd* parent, const int& controlId, bool keepPosition) {
    if (created || !parent || !parent->GetSafeHwnd()) return false;
    CWnd* placeholder = parent->GetDlgItem(controlId);
    if (!placeholder) return false;
    CRect rect;
    CRect parentRect;
    placeholder->GetWindowRect(&rect);
    parent->GetWindowRect(&parentRect);
    rect.OffsetRect(-parentRect.left, -parentRect.top);
    if (!keepPosition) rect.OffsetRect(-5, -20);
    placeholder->DestroyWindow();
    if (!TSpread::Create(WS_CHILD | WS_VISIBLE, rect, parent, static_cast<UINT>(controlId)))
        return false;
    SSSetMaxRows(m_hWnd, 0);
    SSSetMaxCols(m_hWnd, 0);
    created = true;
    fields_->parentWindow = parent->GetSafeHwnd();
    fields_->controlId = controlId;
    SSSetAppearance(m_hWnd, 1);
    for (int action = 0; action < 3; ++action) SSSetActionKey(m_hWnd, action, false, false, 0);
    return true;
}

void Ktx_Spread::PostNcDestroy() {
    created = false;
    TSpread::PostNcDestroy();
}

bool Ktx_Spread::setDefaultLook(int enterMode) {
    if (!created) return false;
    HWND h = m_hWnd;
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
    if (!findDialog_->showMode(replace)) findDialog_.reset();
}

void Ktx_Spread::forgetFindDialog() {
    findDialog_.reset();
}

void Ktx_Spread::setContextMenu(const Ktx_Array<int>& kinds) {
    fields_->contextMenuKinds = kinds;
    contextMenu_ = std::make_unique<Ktx_SpreadContextMenu>(*this, kinds);
}

void Ktx_Spread::OnContextMenu(CWnd* window, CPoint screenPoint) {
    if (contextMenu_ && created)
        contextMenu_->show(POINT{screenPoint.x, screenPoint.y});
    else
        TSpread::OnContextMenu(window, screenPoint);
}

BOOL Ktx_Spread::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (contextMenu_ && contextMenu_->run(static_cast<int>(LOWORD(wParam)))) return TRUE;
    return TSpread::OnCommand(wParam, lParam);
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
    return SSSetFontRange(m_hWnd, col1, row1, col2, row2, font);
}

HBITMAP Ktx_Spread::moduleBitmap(UINT resourceId) {
    Fields& f = *fields_;
    for (auto [id, bitmap] : {std::pair{&f.bitmap1Id, &f.bitmap1}, {&f.bitmap2Id, &f.bitmap2}}) {
        if (*bitmap && *id != resourceId) continue;
        if (!*bitmap) {
            *bitmap = std::make_unique<CBitmap>();
            *id = resourceId;
            (*bitmap)->LoadBitmap(resourceId);
        }
        return **bitmap;
    }
    return nullptr;
}

int Ktx_Spread::getMaxRows() {
    return created ? SSGetMaxRows(m_hWnd) : -1;
}

int Ktx_Spread::getMaxCols() {
    return created ? SSGetMaxCols(m_hWnd) : -1;
}

bool Ktx_Spread::setMaxRows(const int& rows, bool copyFormat) {
    return resizeAxis(true, rows, copyFormat);
}

bool Ktx_Spread::setMaxCols(const int& cols, bool copyFormat) {
    return resizeAxis(false, cols, copyFormat);
}

// Sets the number of rows (or columns). New lines copy the format of the line before them
// (header line included) when asked, and take the grid font; a grid that had no lines gets
// the font on its headers too.
bool Ktx_Spread::resizeAxis(bool rows, int wanted, bool copyFormat) {
    if (!created || wanted < 0) return false;
    HWND h = m_hWnd;
    const int before = rows ? SSGetMaxRows(h) : SSGetMaxCols(h);
    RedrawLock lock(this);
    if (!(rows ? SSSetMaxRows(h, wanted) : SSSetMaxCols(h, wanted))) return false;
    if (wanted == before) return true;
    const int across = rows ? SSGetMaxCols(h) : SSGetMaxRows(h);
    // A block of whole lines first..last, header line across included, as col1,row1,col2,row2.
    auto lines = [&](int first, int last) {
        return rows ? std::array{0, first, across, last} : std::array{first, 0, last, across};
    };
    for (int line = before + 1; copyFormat && before > 0 && line <= wanted; ++line) {
        const auto from = lines(line - 1, line - 1);
        const auto to = lines(line, line);
        SSCopyRange(h, from[0], from[1], from[2], from[3], to[0], to[1], SS_COPY_FORMAT);
    }
    if (wanted > before) {
        const auto grown = lines(before + 1, wanted);
        applyFont(grown[0], grown[1], grown[2], grown[3]);
        if (before == 0) applyFont(0, 0, rows ? across : 0, rows ? 0 : across);
    }
    SSSetBool(h, kOptionChanged, true);
    return true;
}
