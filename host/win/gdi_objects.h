// The drawing layer's objects behind the handles, and the Win32-style functions that create,
// describe and delete them.
//
// Every handle created here is owned by a process-wide table until DeleteObject; a handle
// that is not in the table (deleted, never made, or of another kind) is refused: functions
// return FALSE, 0 or nullptr and change nothing. Stock objects (GetStockObject) are never
// deleted: DeleteObject on them returns TRUE and does nothing.
#pragma once

#include <string>

#include "bitmap_image.h"
#include "gdi_types.h"

// Base of every drawing object in the handle table.
struct GdiObject {
    virtual ~GdiObject() = default;
    bool stock = false;
    int selectedCount = 0;  // drawing contexts that have it selected
};

struct HBITMAP__ : GdiObject {
    BitmapImage image;
};

struct HBRUSH__ : GdiObject {
    COLORREF color = 0;
    bool hollow = false;
};

struct HPEN__ : GdiObject {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct HFONT__ : GdiObject {
    LOGFONT font;
};

// An icon: its colour picture and, where the icon has transparent parts, a mask in which
// transparent pixels are white.
struct HICON__ : GdiObject {
    BitmapImage image;
    BitmapImage mask;
};

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
HFONT CreateFontIndirect(const LOGFONT* font);
HICON CreateIconFromImage(const BitmapImage& image, const BitmapImage& mask);
BOOL DeleteObject(GdiHandle object);
BOOL DestroyIcon(HICON icon);
HGDIOBJ GetStockObject(int which);
// Fills a BITMAP (size >= sizeof(BITMAP)), LOGFONT or nothing; returns the bytes written,
// 0 for an unknown handle or a buffer too small.
int GetObject(GdiHandle object, int size, void* out);
COLORREF GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);

// Handle table look-ups; nullptr when the handle is not a live object of that kind.
HBITMAP__* gdiBitmap(GdiHandle handle);
HBRUSH__* gdiBrush(GdiHandle handle);
HPEN__* gdiPen(GdiHandle handle);
HFONT__* gdiFont(GdiHandle handle);
HICON__* gdiIcon(GdiHandle handle);
// The untyped handle of an object of any kind.
inline HGDIOBJ gdiUntyped(GdiHandle handle) {
    return reinterpret_cast<HGDIOBJ>(const_cast<void*>(handle.p));
}
// A new bitmap handle owning the given pixels.
HBITMAP gdiCreateBitmapFromImage(BitmapImage image);
// Number of live, non-stock objects (for leak checks in tests).
int gdiLiveObjectCount();
