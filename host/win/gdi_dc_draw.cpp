// Drawing calls of CDC: each is recorded, and a memory context also draws its pixels.
#include <algorithm>
#include <cstdlib>

#include "gdi_dc.h"
#include "gdi_dc_state.h"
#include "gdi_raster.h"
#include "window_geometry.h"

namespace {

void record(HDC__* dc, GdiRecord r) {
    if (dc == nullptr) return;
    r.font = dc->now.font;
    r.textColor = dc->now.textColor;
    r.bkColor = dc->now.bkColor;
    r.bkMode = dc->now.bkMode;
    dc->records.push_back(std::move(r));
}

void fillPixels(HDC__* dc, const RECT& rect, COLORREF color) {
    BitmapImage* target = gdiTarget(dc);
    if (target == nullptr) return;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) target->setPixel(x, y, color);
}

// Calls `plot` for each pixel of the one-pixel frame of rect.
template <typename F>
void forFrame(const RECT& rect, F plot) {
    for (int x = rect.left; x < rect.right; ++x) {
        plot(x, rect.top);
        if (rect.bottom - 1 > rect.top) plot(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        plot(rect.left, y);
        if (rect.right - 1 > rect.left) plot(rect.right - 1, y);
    }
}

void framePixels(HDC__* dc, const RECT& rect, COLORREF color) {
    BitmapImage* target = gdiTarget(dc);
    if (target != nullptr) forFrame(rect, [&](int x, int y) { target->setPixel(x, y, color); });
}

// Pixels of a line from (x0, y0) to (x1, y1), the end point excluded.
void linePixels(HDC__* dc, int x0, int y0, int x1, int y1, COLORREF color) {
    BitmapImage* target = gdiTarget(dc);
    if (target == nullptr) return;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        target->setPixel(x0, y0, color);
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

BlitColors colorsFor(const HDC__* dest, const HDC__* source) {
    BlitColors c;
    c.destBk = dest->now.bkColor;
    c.destText = dest->now.textColor;
    if (source != nullptr) c.sourceBk = source->now.bkColor;
    bool drawn = false;
    c.brush = gdiBrushColor(*dest, drawn);
    return c;
}

}  // namespace

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc,
                int srcWidth, int srcHeight, DWORD rop) {
    HDC__* d = gdiContext(dest);
    HDC__* s = gdiContext(source);
    if (d == nullptr || (gdiRopUsesSource(rop) && s == nullptr)) return FALSE;
    GdiRecord r;
    r.op = GdiOp::Blit;
    r.rect = makeRect(x, y, x + width, y + height);
    r.sourceRect = makeRect(xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight);
    r.rop = rop;
    r.source = s == nullptr ? nullptr : s->now.bitmap;
    if (BitmapImage* target = gdiTarget(d)) {
        const BitmapImage* from = gdiTarget(s);
        if (from == target) {
            BitmapImage copy = *from;  // overlapping transfer within one bitmap
            gdiBlit(*target, r.rect, &copy, r.sourceRect, rop, colorsFor(d, s));
        } else if (from != nullptr || !gdiRopUsesSource(rop)) {
            gdiBlit(*target, r.rect, from, r.sourceRect, rop, colorsFor(d, s));
        }
    }
    record(d, std::move(r));
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc,
            DWORD rop) {
    return StretchBlt(dest, x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    HDC__* d = gdiContext(dc);
    HBRUSH__* b = gdiBrush(brush);
    if (d == nullptr || rect == nullptr || b == nullptr) return 0;
    GdiRecord r;
    r.op = GdiOp::FillRect;
    r.rect = *rect;
    r.color = b->color;
    if (!b->hollow) fillPixels(d, *rect, b->color);
    record(d, std::move(r));
    return 1;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source == nullptr ? nullptr : source->m_hDC, xSrc,
                    ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                     int srcWidth, int srcHeight, DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, source == nullptr ? nullptr : source->m_hDC,
                        xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    if (gdiRopUsesSource(rop)) return FALSE;
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr) return FALSE;
    GdiRecord r;
    r.op = GdiOp::PatBlt;
    r.rect = makeRect(x, y, x + width, y + height);
    r.rop = rop;
    bool drawn = false;
    r.color = gdiBrushColor(*d, drawn);
    if (BitmapImage* target = gdiTarget(d))
        gdiBlit(*target, r.rect, nullptr, r.rect, rop, colorsFor(d, nullptr));
    record(d, std::move(r));
    return TRUE;
}

// As the real framework does, this leaves `color` as the background colour.
void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr || rect == nullptr) return;
    d->now.bkColor = color & 0x00FFFFFF;
    GdiRecord r;
    r.op = GdiOp::FillRect;
    r.rect = *rect;
    r.color = color & 0x00FFFFFF;
    fillPixels(d, *rect, r.color);
    record(d, std::move(r));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    RECT r = makeRect(x, y, x + cx, y + cy);
    FillSolidRect(&r, color);
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    if (brush != nullptr) ::FillRect(m_hDC, rect, *brush);
}

void CDC::FrameRect(const RECT* rect, CBrush* brush) {
    HDC__* d = gdiContext(m_hDC);
    HBRUSH__* b = brush == nullptr ? nullptr : gdiBrush(brush->m_hObject);
    if (d == nullptr || rect == nullptr || b == nullptr) return;
    GdiRecord r;
    r.op = GdiOp::FrameRect;
    r.rect = *rect;
    r.color = b->color;
    framePixels(d, *rect, b->color);
    record(d, std::move(r));
}

void CDC::InvertRect(const RECT* rect) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr || rect == nullptr) return;
    GdiRecord r;
    r.op = GdiOp::InvertRect;
    r.rect = *rect;
    if (BitmapImage* target = gdiTarget(d))
        gdiBlit(*target, *rect, nullptr, *rect, DSTINVERT, colorsFor(d, nullptr));
    record(d, std::move(r));
}

// The focus frame inverts every other pixel of the frame, so drawing it twice removes it.
void CDC::DrawFocusRect(const RECT* rect) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr || rect == nullptr) return;
    GdiRecord r;
    r.op = GdiOp::FocusRect;
    r.rect = *rect;
    if (BitmapImage* target = gdiTarget(d)) {
        forFrame(*rect, [&](int x, int y) {
            if (((x + y) & 1) == 0) target->setPixel(x, y, ~target->pixel(x, y));
        });
    }
    record(d, std::move(r));
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) {
    if (rect == nullptr) return;
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    FillSolidRect(rect->left, rect->top, w - 1, 1, topLeft);
    FillSolidRect(rect->left, rect->top, 1, h - 1, topLeft);
    FillSolidRect(rect->right - 1, rect->top, 1, h, bottomRight);
    FillSolidRect(rect->left, rect->bottom - 1, w, 1, bottomRight);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr) return FALSE;
    GdiRecord r;
    r.op = GdiOp::Rectangle;
    r.rect = makeRect(left, top, right, bottom);
    bool filled = false, outlined = false;
    const COLORREF fill = gdiBrushColor(*d, filled);
    r.color = gdiPenColor(*d, outlined);
    if (filled) fillPixels(d, makeRect(left + 1, top + 1, right - 1, bottom - 1), fill);
    if (outlined) framePixels(d, r.rect, r.color);
    record(d, std::move(r));
    return TRUE;
}

BOOL CDC::Rectangle(const RECT* rect) {
    return rect != nullptr && Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

POINT CDC::MoveTo(int x, int y) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr) return POINT{};
    POINT old = d->now.position;
    d->now.position.x = x;
    d->now.position.y = y;
    return old;
}

BOOL CDC::LineTo(int x, int y) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr) return FALSE;
    GdiRecord r;
    r.op = GdiOp::Line;
    r.rect = makeRect(d->now.position.x, d->now.position.y, x, y);
    bool drawn = false;
    r.color = gdiPenColor(*d, drawn);
    if (drawn) linePixels(d, r.rect.left, r.rect.top, x, y, r.color);
    d->now.position.x = x;
    d->now.position.y = y;
    record(d, std::move(r));
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr) return CLR_INVALID;
    GdiRecord r;
    r.op = GdiOp::Pixel;
    r.rect = makeRect(x, y, x + 1, y + 1);
    r.color = color & 0x00FFFFFF;
    record(d, std::move(r));
    BitmapImage* target = gdiTarget(d);
    if (target == nullptr || !target->contains(x, y)) return CLR_INVALID;
    target->setPixel(x, y, color);
    return target->pixel(x, y);
}

COLORREF CDC::GetPixel(int x, int y) const {
    BitmapImage* target = gdiTarget(gdiContext(m_hDC));
    return target == nullptr ? CLR_INVALID : target->pixel(x, y);
}

SIZE CDC::GetTextExtent(const std::string& text) const {
    HDC__* d = gdiContext(m_hDC);
    SIZE size;
    if (d == nullptr) return size;
    const SIZE cell = gdiCharCell(*d);
    size.cx = cell.cx * static_cast<LONG>(text.size());
    size.cy = cell.cy;
    return size;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr) return FALSE;
    const SIZE extent = GetTextExtent(text);
    GdiRecord r;
    r.op = GdiOp::Text;
    r.rect = makeRect(x, y, x + extent.cx, y + extent.cy);
    r.color = d->now.textColor;
    r.text = text;
    record(d, std::move(r));
    return TRUE;
}

int CDC::DrawText(const std::string& text, RECT* rect, UINT format) {
    HDC__* d = gdiContext(m_hDC);
    if (d == nullptr || rect == nullptr) return 0;
    const SIZE cell = gdiCharCell(*d);
    int lines = 1;
    std::size_t longest = 0, start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        if ((format & DT_SINGLELINE) != 0) break;
        longest = std::max(longest, end - start);
        ++lines;
    }
    longest = std::max(longest, text.size() - std::min(start, text.size()));
    const int height = lines * cell.cy;
    if ((format & DT_CALCRECT) != 0) {
        rect->right = rect->left + cell.cx * static_cast<LONG>(longest);
        rect->bottom = rect->top + height;
        return height;
    }
    GdiRecord r;
    r.op = GdiOp::Text;
    r.rect = *rect;
    r.color = d->now.textColor;
    r.text = text;
    r.format = format;
    record(d, std::move(r));
    return height;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    HDC__* d = gdiContext(m_hDC);
    HICON__* i = gdiIcon(icon);
    if (d == nullptr || i == nullptr) return FALSE;
    GdiRecord r;
    r.op = GdiOp::Icon;
    r.rect = makeRect(x, y, x + i->image.width(), y + i->image.height());
    r.icon = icon;
    if (BitmapImage* target = gdiTarget(d)) {
        for (int j = 0; j < i->image.height(); ++j)
            for (int k = 0; k < i->image.width(); ++k)
                if (i->mask.empty() || i->mask.pixel(k, j) == 0)
                    target->setPixel(x + k, y + j, i->image.pixel(k, j));
    }
    record(d, std::move(r));
    return TRUE;
}
