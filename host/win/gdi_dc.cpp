#include "gdi_dc.h"

#include <cstdlib>
#include <map>
#include <memory>

#include "gdi_dc_state.h"

namespace {

using ContextTable = std::map<const HDC__*, std::unique_ptr<HDC__>>;

ContextTable& contexts() {
    static auto* table = new ContextTable;  // lives for the whole run
    return *table;
}

HBITMAP defaultBitmap() {
    static HBITMAP bitmap = [] {
        HBITMAP b = gdiCreateBitmapFromImage(BitmapImage(1, 1, true));
        b->stock = true;
        return b;
    }();
    return bitmap;
}

GdiObject* objectOf(GdiHandle handle) {
    if (auto* b = gdiBitmap(handle)) return b;
    if (auto* b = gdiBrush(handle)) return b;
    if (auto* p = gdiPen(handle)) return p;
    return gdiFont(handle);
}

// Replaces what `slot` holds, keeping the objects' selection counts.
template <typename H>
void reselect(H& slot, H object) {
    if (GdiObject* old = objectOf(slot)) --old->selectedCount;
    slot = object;
    if (GdiObject* now = objectOf(slot)) ++now->selectedCount;
}

void releaseAll(DcAttributes& a) {
    reselect(a.bitmap, HBITMAP{});
    reselect(a.brush, HBRUSH{});
    reselect(a.pen, HPEN{});
    reselect(a.font, HFONT{});
}

HDC makeContext(HWND owner, bool memory) {
    auto dc = std::make_unique<HDC__>();
    dc->owner = owner;
    dc->memory = memory;
    if (memory) reselect(dc->now.bitmap, defaultBitmap());
    reselect(dc->now.brush, static_cast<HBRUSH>(gdiBrush(GetStockObject(WHITE_BRUSH))));
    reselect(dc->now.pen, static_cast<HPEN>(gdiPen(GetStockObject(BLACK_PEN))));
    reselect(dc->now.font, static_cast<HFONT>(gdiFont(GetStockObject(SYSTEM_FONT))));
    HDC raw = dc.get();
    contexts()[raw] = std::move(dc);
    return raw;
}

// Selects `object` into the context; returns the previous object of its kind.
HGDIOBJ selectInto(HDC__* dc, GdiHandle object) {
    if (dc == nullptr) return nullptr;
    HGDIOBJ old = nullptr;
    if (auto* b = gdiBitmap(object)) {
        if (!dc->memory || (!b->stock && b->selectedCount > 0 && b != dc->now.bitmap))
            return nullptr;
        old = gdiUntyped(dc->now.bitmap);
        reselect(dc->now.bitmap, static_cast<HBITMAP>(b));
    } else if (auto* br = gdiBrush(object)) {
        old = gdiUntyped(dc->now.brush);
        reselect(dc->now.brush, static_cast<HBRUSH>(br));
    } else if (auto* pen = gdiPen(object)) {
        old = gdiUntyped(dc->now.pen);
        reselect(dc->now.pen, static_cast<HPEN>(pen));
    } else if (auto* font = gdiFont(object)) {
        old = gdiUntyped(dc->now.font);
        reselect(dc->now.font, static_cast<HFONT>(font));
    }
    return old;
}

}  // namespace

HDC__* gdiContext(HDC dc) {
    auto it = contexts().find(dc);
    return it == contexts().end() ? nullptr : it->second.get();
}

BitmapImage* gdiTarget(HDC__* dc) {
    if (dc == nullptr || !dc->memory) return nullptr;
    HBITMAP__* b = gdiBitmap(dc->now.bitmap);
    return b == nullptr ? nullptr : &b->image;
}

COLORREF gdiPenColor(const HDC__& dc, bool& drawn) {
    HPEN__* pen = gdiPen(dc.now.pen);
    drawn = pen != nullptr && pen->style != PS_NULL;
    return pen == nullptr ? 0 : pen->color;
}

COLORREF gdiBrushColor(const HDC__& dc, bool& drawn) {
    HBRUSH__* brush = gdiBrush(dc.now.brush);
    drawn = brush != nullptr && !brush->hollow;
    return brush == nullptr ? 0 : brush->color;
}

SIZE gdiCharCell(const HDC__& dc) {
    HFONT__* font = gdiFont(dc.now.font);
    int height = font == nullptr || font->font.lfHeight == 0 ? 13 : std::abs(font->font.lfHeight);
    SIZE cell;
    cell.cx = (height * 6 + 5) / 11;
    cell.cy = height + 2;
    return cell;
}

HDC CreateCompatibleDC(HDC /*reference*/) {
    return makeContext(nullptr, true);
}

BOOL DeleteDC(HDC dc) {
    HDC__* found = gdiContext(dc);
    if (found == nullptr) return FALSE;
    releaseAll(found->now);
    for (DcAttributes& a : found->saved) releaseAll(a);
    contexts().erase(dc);
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, GdiHandle object) {
    return selectInto(gdiContext(dc), object);
}

int gdiLiveContextCount() {
    return static_cast<int>(contexts().size());
}

CDC::~CDC() {
    if (owns_) DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* /*reference*/) {
    if (m_hDC != nullptr) return FALSE;
    m_hDC = makeContext(nullptr, true);
    return TRUE;
}

BOOL CDC::CreateForWindow(HWND owner) {
    if (m_hDC != nullptr) return FALSE;
    m_hDC = makeContext(owner, false);
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr || !::DeleteDC(m_hDC)) return FALSE;
    m_hDC = nullptr;
    return TRUE;
}

BOOL CDC::Attach(HDC dc) {
    if (m_hDC != nullptr || gdiContext(dc) == nullptr) return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

CDC* CDC::FromHandle(HDC dc) {
    if (gdiContext(dc) == nullptr) return nullptr;
    static auto* wrappers = new std::map<HDC, std::unique_ptr<CDC>>;
    auto& slot = (*wrappers)[dc];
    if (!slot) {
        slot = std::make_unique<CDC>();
        slot->owns_ = false;
    }
    slot->m_hDC = dc;
    return slot.get();
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (bitmap == nullptr) return nullptr;
    return CBitmap::FromHandle(reinterpret_cast<HBITMAP>(::SelectObject(m_hDC, bitmap->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (brush == nullptr) return nullptr;
    return CBrush::FromHandle(reinterpret_cast<HBRUSH>(::SelectObject(m_hDC, brush->m_hObject)));
}

CPen* CDC::SelectObject(CPen* pen) {
    if (pen == nullptr) return nullptr;
    return CPen::FromHandle(reinterpret_cast<HPEN>(::SelectObject(m_hDC, pen->m_hObject)));
}

CFont* CDC::SelectObject(CFont* font) {
    if (font == nullptr) return nullptr;
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SelectObject(m_hDC, font->m_hObject)));
}

CGdiObject* CDC::SelectStockObject(int which) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, GetStockObject(which)));
}

CFont* CDC::GetCurrentFont() const {
    HDC__* dc = gdiContext(m_hDC);
    return dc == nullptr ? nullptr : CFont::FromHandle(dc->now.font);
}

CBitmap* CDC::GetCurrentBitmap() const {
    HDC__* dc = gdiContext(m_hDC);
    return dc == nullptr ? nullptr : CBitmap::FromHandle(dc->now.bitmap);
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    HDC__* found = gdiContext(dc);
    if (found == nullptr) return CLR_INVALID;
    COLORREF old = found->now.bkColor;
    found->now.bkColor = color & 0x00FFFFFF;
    return old;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    HDC__* found = gdiContext(dc);
    if (found == nullptr) return CLR_INVALID;
    COLORREF old = found->now.textColor;
    found->now.textColor = color & 0x00FFFFFF;
    return old;
}

int SetBkMode(HDC dc, int mode) {
    HDC__* found = gdiContext(dc);
    if (found == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int old = found->now.bkMode;
    found->now.bkMode = mode;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return ::SetBkColor(m_hDC, color);
}
COLORREF CDC::SetTextColor(COLORREF color) {
    return ::SetTextColor(m_hDC, color);
}
int CDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}

COLORREF CDC::GetBkColor() const {
    HDC__* dc = gdiContext(m_hDC);
    return dc == nullptr ? CLR_INVALID : dc->now.bkColor;
}

COLORREF CDC::GetTextColor() const {
    HDC__* dc = gdiContext(m_hDC);
    return dc == nullptr ? CLR_INVALID : dc->now.textColor;
}

int CDC::GetBkMode() const {
    HDC__* dc = gdiContext(m_hDC);
    return dc == nullptr ? 0 : dc->now.bkMode;
}

int CDC::SaveDC() {
    HDC__* dc = gdiContext(m_hDC);
    if (dc == nullptr) return 0;
    DcAttributes copy;
    copy.bkColor = dc->now.bkColor;
    copy.textColor = dc->now.textColor;
    copy.bkMode = dc->now.bkMode;
    copy.position = dc->now.position;
    reselect(copy.bitmap, dc->now.bitmap);
    reselect(copy.brush, dc->now.brush);
    reselect(copy.pen, dc->now.pen);
    reselect(copy.font, dc->now.font);
    dc->saved.push_back(copy);
    return static_cast<int>(dc->saved.size());
}

BOOL CDC::RestoreDC(int saved) {
    HDC__* dc = gdiContext(m_hDC);
    if (dc == nullptr || dc->saved.empty()) return FALSE;
    const int count = static_cast<int>(dc->saved.size());
    const int level = saved < 0 ? count + 1 + saved : saved;
    if (level < 1 || level > count) return FALSE;
    while (static_cast<int>(dc->saved.size()) > level) {
        releaseAll(dc->saved.back());
        dc->saved.pop_back();
    }
    releaseAll(dc->now);
    dc->now = dc->saved.back();  // takes over the saved selection counts
    dc->saved.pop_back();
    return TRUE;
}

const std::vector<GdiRecord>& CDC::records() const {
    static const std::vector<GdiRecord> none;
    HDC__* dc = gdiContext(m_hDC);
    return dc == nullptr ? none : dc->records;
}

void CDC::clearRecords() {
    if (HDC__* dc = gdiContext(m_hDC)) dc->records.clear();
}

HWND CDC::window() const {
    HDC__* dc = gdiContext(m_hDC);
    return dc == nullptr ? nullptr : dc->owner;
}
