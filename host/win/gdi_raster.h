// Raster operations of the drawing layer: combining pattern, source and destination colours
// by a raster-operation code, and block transfers between bitmap images with the monochrome
// conversions of the real drawing layer.
#pragma once

#include "bitmap_image.h"
#include "gdi_types.h"

// The colour that raster operation `rop` gives for pattern p, source s and destination d
// (each bit of the result follows the truth table in the code's middle byte).
COLORREF gdiApplyRop(DWORD rop, COLORREF p, COLORREF s, COLORREF d);

// True when the operation reads the source (it then needs a source image).
bool gdiRopUsesSource(DWORD rop);

// The colours a transfer converts with: a colour source pixel equal to `sourceBk` becomes
// white in a monochrome destination (any other black); a monochrome source pixel becomes
// `destBk` when white and `destText` when black in a colour destination.
struct BlitColors {
    COLORREF sourceBk = RGB(255, 255, 255);
    COLORREF destBk = RGB(255, 255, 255);
    COLORREF destText = 0;
    COLORREF brush = RGB(255, 255, 255);
};

// Transfers `src` rectangle onto `dst` rectangle (stretched by nearest pixel when the sizes
// differ; a negative width or height mirrors). Pixels outside either image are skipped.
// `src` may be null when the operation does not read the source.
void gdiBlit(BitmapImage& dst, const RECT& dstRect, const BitmapImage* src, const RECT& srcRect,
             DWORD rop, const BlitColors& colors);
