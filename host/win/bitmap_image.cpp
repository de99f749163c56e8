#include "bitmap_image.h"

#include <cstddef>

BitmapImage::BitmapImage(int width, int height, bool monochrome)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      monochrome_(monochrome),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {}

bool BitmapImage::contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
}

COLORREF BitmapImage::pixel(int x, int y) const {
    if (!contains(x, y)) return CLR_INVALID;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void BitmapImage::setPixel(int x, int y, COLORREF color) {
    if (!contains(x, y)) return;
    color &= 0x00FFFFFF;
    if (monochrome_ && color != 0) color = RGB(255, 255, 255);
    pixels_[static_cast<std::size_t>(y) * width_ + x] = color;
}

void BitmapImage::fill(COLORREF color) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) setPixel(x, y, color);
}
