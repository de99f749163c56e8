// GdiRecord: one drawing call as a drawing context recorded it, so that tests (and a later
// renderer) can see what a window drew.
#pragma once

#include <string>

#include "gdi_types.h"

enum class GdiOp {
    FillRect,    // rect filled with color (FillRect, FillSolidRect)
    FrameRect,   // one-pixel frame in color
    Rectangle,   // outline with the pen (color), filled with the brush unless hollow
    Line,        // from (rect.left, rect.top) to (rect.right, rect.bottom) in color
    Text,        // text at (rect.left, rect.top) or in rect (DrawText, with format)
    Blit,        // BitBlt/StretchBlt: sourceRect of source onto rect with rop
    PatBlt,      // rect with rop and the brush colour
    InvertRect,  // rect inverted
    FocusRect,   // dotted focus frame around rect
    Pixel,       // SetPixel at (rect.left, rect.top)
    Icon,        // DrawIcon at (rect.left, rect.top); rect has the icon's size
};

struct GdiRecord {
    GdiOp op = GdiOp::FillRect;
    RECT rect;
    RECT sourceRect;
    COLORREF color = 0;
    DWORD rop = 0;
    HBITMAP source = nullptr;  // bitmap selected in the source context when blitted
    HICON icon = nullptr;
    std::string text;
    UINT format = 0;
    // The context's state at the call, so a renderer can draw it: the selected font (nullptr:
    // the system font; read its face and height with GetObject), the text and background
    // colours and the background mode.
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0;
};
