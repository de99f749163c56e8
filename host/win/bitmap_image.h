// BitmapImage: the pixels of one bitmap, held as colours.
//
// A colour image keeps any COLORREF per pixel; a monochrome image keeps only black (0) and
// white (RGB(255,255,255)): setting any other colour stores white for a non-black colour,
// as the drawing layer's monochrome conversion is done by the caller. Reads and writes
// outside the image are ignored (a read gives CLR_INVALID).
#pragma once

#include <vector>

#include "gdi_types.h"

class BitmapImage {
  public:
    BitmapImage() = default;
    // REQUIRES: width, height >= 0. Every pixel starts black.
    BitmapImage(int width, int height, bool monochrome);

    int width() const { return width_; }
    int height() const { return height_; }
    bool monochrome() const { return monochrome_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    // Bits per pixel this image reports (1 for monochrome, 32 for colour).
    int bitsPerPixel() const { return monochrome_ ? 1 : 32; }

    bool contains(int x, int y) const;
    COLORREF pixel(int x, int y) const;
    void setPixel(int x, int y, COLORREF color);
    void fill(COLORREF color);

    bool operator==(const BitmapImage& other) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    bool monochrome_ = false;
    std::vector<COLORREF> pixels_;
};
