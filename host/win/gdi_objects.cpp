#include "gdi_objects.h"

#include <cstring>
#include <map>
#include <memory>

namespace {

using Table = std::map<const void*, std::unique_ptr<GdiObject>>;

// Kept for the whole run (never destroyed), so that global wrappers released during
// static destruction still find it.
Table& table() {
    static Table* objects = new Table;
    return *objects;
}

template <typename T>
T* adopt(std::unique_ptr<T> object) {
    T* raw = object.get();
    table()[static_cast<const void*>(raw)] = std::move(object);
    return raw;
}

template <typename T>
T* lookUp(GdiHandle handle) {
    auto it = table().find(handle.p);
    return it == table().end() ? nullptr : dynamic_cast<T*>(it->second.get());
}

HGDIOBJ makeStock(int which) {
    auto brush = [](COLORREF c, bool hollow) {
        auto b = std::make_unique<HBRUSH__>();
        b->color = c;
        b->hollow = hollow;
        b->stock = true;
        return gdiUntyped(adopt(std::move(b)));
    };
    auto pen = [](COLORREF c, int style) {
        auto p = std::make_unique<HPEN__>();
        p->color = c;
        p->style = style;
        p->stock = true;
        return gdiUntyped(adopt(std::move(p)));
    };
    switch (which) {
        case WHITE_BRUSH:
            return brush(RGB(255, 255, 255), false);
        case LTGRAY_BRUSH:
            return brush(RGB(192, 192, 192), false);
        case GRAY_BRUSH:
            return brush(RGB(128, 128, 128), false);
        case DKGRAY_BRUSH:
            return brush(RGB(64, 64, 64), false);
        case BLACK_BRUSH:
            return brush(0, false);
        case NULL_BRUSH:
            return brush(0, true);
        case WHITE_PEN:
            return pen(RGB(255, 255, 255), PS_SOLID);
        case BLACK_PEN:
            return pen(0, PS_SOLID);
        case NULL_PEN:
            return pen(0, PS_NULL);
        case ANSI_VAR_FONT:
        case SYSTEM_FONT:
        case DEFAULT_GUI_FONT: {
            auto f = std::make_unique<HFONT__>();
            f->font.lfHeight = -11;
            std::strcpy(f->font.lfFaceName, "MS Shell Dlg");
            f->stock = true;
            return gdiUntyped(adopt(std::move(f)));
        }
        default:
            return nullptr;
    }
}

}  // namespace

HBITMAP__* gdiBitmap(GdiHandle handle) {
    return lookUp<HBITMAP__>(handle);
}
HBRUSH__* gdiBrush(GdiHandle handle) {
    return lookUp<HBRUSH__>(handle);
}
HPEN__* gdiPen(GdiHandle handle) {
    return lookUp<HPEN__>(handle);
}
HFONT__* gdiFont(GdiHandle handle) {
    return lookUp<HFONT__>(handle);
}
HICON__* gdiIcon(GdiHandle handle) {
    return lookUp<HICON__>(handle);
}

HBITMAP gdiCreateBitmapFromImage(BitmapImage image) {
    auto b = std::make_unique<HBITMAP__>();
    b->image = std::move(image);
    return adopt(std::move(b));
}

HBITMAP CreateBitmap(int width, int height, UINT /*planes*/, UINT bitsPerPixel,
                     const void* /*bits*/) {
    if (width < 0 || height < 0) return nullptr;
    return gdiCreateBitmapFromImage(BitmapImage(width, height, bitsPerPixel == 1));
}

HBITMAP CreateCompatibleBitmap(HDC /*dc*/, int width, int height) {
    return CreateBitmap(width, height, 1, 32, nullptr);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto b = std::make_unique<HBRUSH__>();
    b->color = color & 0x00FFFFFF;
    return adopt(std::move(b));
}

HPEN CreatePen(int style, int width, COLORREF color) {
    auto p = std::make_unique<HPEN__>();
    p->style = style;
    p->width = width < 1 ? 1 : width;
    p->color = color & 0x00FFFFFF;
    return adopt(std::move(p));
}

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (font == nullptr) return nullptr;
    auto f = std::make_unique<HFONT__>();
    f->font = *font;
    f->font.lfFaceName[sizeof(f->font.lfFaceName) - 1] = '\0';
    return adopt(std::move(f));
}

HICON CreateIconFromImage(const BitmapImage& image, const BitmapImage& mask) {
    auto i = std::make_unique<HICON__>();
    i->image = image;
    i->mask = mask;
    return adopt(std::move(i));
}

BOOL DeleteObject(GdiHandle object) {
    auto it = table().find(object.p);
    if (it == table().end() || dynamic_cast<HICON__*>(it->second.get()) != nullptr) return FALSE;
    if (it->second->stock) return TRUE;
    // A selected object is not deleted, as the real drawing layer refuses it too.
    if (it->second->selectedCount > 0) return FALSE;
    table().erase(it);
    return TRUE;
}

BOOL DestroyIcon(HICON icon) {
    HICON__* found = gdiIcon(icon);
    if (found == nullptr) return FALSE;
    if (!found->stock) table().erase(icon);
    return TRUE;
}

HGDIOBJ GetStockObject(int which) {
    static auto* stock = new std::map<int, HGDIOBJ>;
    auto it = stock->find(which);
    if (it != stock->end()) return it->second;
    HGDIOBJ made = makeStock(which);
    if (made != nullptr) (*stock)[which] = made;
    return made;
}

int GetObject(GdiHandle object, int size, void* out) {
    if (out == nullptr) return 0;
    if (HBITMAP__* b = gdiBitmap(object)) {
        if (size < static_cast<int>(sizeof(BITMAP))) return 0;
        BITMAP bm;
        bm.bmWidth = b->image.width();
        bm.bmHeight = b->image.height();
        bm.bmBitsPixel = static_cast<WORD>(b->image.bitsPerPixel());
        bm.bmWidthBytes = ((bm.bmWidth * bm.bmBitsPixel + 15) / 16) * 2;
        *static_cast<BITMAP*>(out) = bm;
        return sizeof(BITMAP);
    }
    if (HFONT__* f = gdiFont(object)) {
        if (size < static_cast<int>(sizeof(LOGFONT))) return 0;
        *static_cast<LOGFONT*>(out) = f->font;
        return sizeof(LOGFONT);
    }
    return 0;
}

COLORREF GetSysColor(int index) {
    switch (index) {
        case COLOR_WINDOW:
            return RGB(255, 255, 255);
        case COLOR_WINDOWTEXT:
            return RGB(0, 0, 0);
        case COLOR_HIGHLIGHT:
            return RGB(0, 120, 215);
        case COLOR_HIGHLIGHTTEXT:
            return RGB(255, 255, 255);
        case COLOR_BTNFACE:
            return RGB(240, 240, 240);
        case COLOR_BTNSHADOW:
            return RGB(160, 160, 160);
        case COLOR_GRAYTEXT:
            return RGB(109, 109, 109);
        case COLOR_BTNTEXT:
            return RGB(0, 0, 0);
        case COLOR_BTNHIGHLIGHT:
            return RGB(255, 255, 255);
        default:
            return 0;
    }
}

HBRUSH GetSysColorBrush(int index) {
    static auto* brushes = new std::map<int, HBRUSH>;
    auto it = brushes->find(index);
    if (it != brushes->end()) return it->second;
    HBRUSH b = CreateSolidBrush(GetSysColor(index));
    b->stock = true;
    (*brushes)[index] = b;
    return b;
}

int gdiLiveObjectCount() {
    int n = 0;
    for (const auto& [key, object] : table())
        if (!object->stock) ++n;
    return n;
}
