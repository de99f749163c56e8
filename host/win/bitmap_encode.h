// Writing bitmap files (.bmp): an image as an uncompressed 24-bit bitmap, rows bottom-up,
// each row padded to four bytes, with the 40-byte header. decodeBmp reads it back pixel for
// pixel (a monochrome image comes back as a colour image of black and white).
#pragma once

#include <string>

#include "bitmap_image.h"

std::string encodeBmp(const BitmapImage& image);
