// Reading bitmap files (.bmp): 1, 4 and 8 bits per pixel with a palette, 16, 24 and 32 bits
// per pixel (uncompressed or with bit-field masks), rows stored bottom-up or top-down, with
// the old 12-byte header or any of the later headers.
//
// Every failure (not a bitmap, unsupported compression or depth, truncated header, palette or
// pixel rows, a size over the limit) gives nullopt and reads nothing beyond the bytes given.
// A palette index past the palette's end reads as black.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "bitmap_image.h"

// Largest width or height accepted, and largest pixel count.
constexpr int kBmpMaxSide = 32768;
constexpr long long kBmpMaxPixels = 64LL * 1024 * 1024;

std::optional<BitmapImage> decodeBmp(std::string_view bytes);
std::optional<BitmapImage> readBmpFile(const std::string& path);
// A 32-bit top-down BMP file of the image (what a browser or decodeBmp reads back).
std::string encodeBmp(const BitmapImage& image);
