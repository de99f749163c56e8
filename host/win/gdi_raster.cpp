#include "gdi_raster.h"

namespace {

constexpr COLORREF kWhite = 0x00FFFFFF;

COLORREF toMonochrome(COLORREF c) {
    int luminance = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
    return luminance >= 128 ? kWhite : 0;
}

COLORREF sourceColor(const BitmapImage& src, const BitmapImage& dst, int x, int y,
                     const BlitColors& colors) {
    COLORREF s = src.pixel(x, y);
    if (src.monochrome() && !dst.monochrome()) return s != 0 ? colors.destBk : colors.destText;
    if (!src.monochrome() && dst.monochrome()) return s == colors.sourceBk ? kWhite : 0;
    return s;
}

// Position in the source for destination offset i of n along one axis.
int mapAxis(int i, int dstLen, int srcStart, int srcLen) {
    if (dstLen == srcLen) return srcStart + i;
    long long scaled = static_cast<long long>(i) * srcLen / dstLen;
    return srcStart + static_cast<int>(scaled);
}

}  // namespace

COLORREF gdiApplyRop(DWORD rop, COLORREF p, COLORREF s, COLORREF d) {
    const unsigned table = (rop >> 16) & 0xFF;
    COLORREF result = 0;
    for (unsigned bit = 0; bit < 8; ++bit) {
        if (((table >> bit) & 1u) == 0) continue;
        COLORREF term = (bit & 4u) ? p : ~p;
        term &= (bit & 2u) ? s : ~s;
        term &= (bit & 1u) ? d : ~d;
        result |= term;
    }
    return result & kWhite;
}

bool gdiRopUsesSource(DWORD rop) {
    const unsigned table = (rop >> 16) & 0xFF;
    // The source matters when some pair of entries differing only in S differ.
    return ((table >> 2) & 0x33u) != (table & 0x33u);
}

void gdiBlit(BitmapImage& dst, const RECT& dstRect, const BitmapImage* src, const RECT& srcRect,
             DWORD rop, const BlitColors& colors) {
    const int dw = dstRect.right - dstRect.left, dh = dstRect.bottom - dstRect.top;
    const int sw = srcRect.right - srcRect.left, sh = srcRect.bottom - srcRect.top;
    if (dw <= 0 || dh <= 0) return;
    const bool usesSource = gdiRopUsesSource(rop);
    if (usesSource && src == nullptr) return;
    COLORREF brush = dst.monochrome() ? toMonochrome(colors.brush) : colors.brush;
    for (int j = 0; j < dh; ++j) {
        for (int i = 0; i < dw; ++i) {
            const int x = dstRect.left + i, y = dstRect.top + j;
            if (!dst.contains(x, y)) continue;
            COLORREF s = 0;
            if (usesSource) {
                int sx = sw < 0 ? srcRect.left - 1 - mapAxis(i, dw, 0, -sw)
                                : mapAxis(i, dw, srcRect.left, sw);
                int sy = sh < 0 ? srcRect.top - 1 - mapAxis(j, dh, 0, -sh)
                                : mapAxis(j, dh, srcRect.top, sh);
                if (!src->contains(sx, sy)) continue;
                s = sourceColor(*src, dst, sx, sy, colors);
            }
            dst.setPixel(x, y, gdiApplyRop(rop, brush, s, dst.pixel(x, y)));
        }
    }
}
