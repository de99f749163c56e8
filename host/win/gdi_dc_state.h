// The state behind a drawing-context handle (internal to the drawing layer).
#pragma once

#include <vector>

#include "bitmap_image.h"
#include "gdi_record.h"
#include "gdi_types.h"

struct DcAttributes {
    HBITMAP bitmap = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = 0;
    int bkMode = OPAQUE;
    POINT position;
};

struct HDC__ {
    HWND owner = nullptr;
    bool memory = false;
    DcAttributes now;
    std::vector<DcAttributes> saved;
    std::vector<GdiRecord> records;
};

// The live context behind `dc`, or nullptr.
HDC__* gdiContext(HDC dc);
// The pixels a context draws into: the selected bitmap of a memory context, else nullptr.
BitmapImage* gdiTarget(HDC__* dc);
// Colours of the selected pen and brush (a null pen or hollow brush gives nullopt-like
// `false` in `drawn`).
COLORREF gdiPenColor(const HDC__& dc, bool& drawn);
COLORREF gdiBrushColor(const HDC__& dc, bool& drawn);
// Cell of one character of the selected font.
SIZE gdiCharCell(const HDC__& dc);
