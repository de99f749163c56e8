#include "bitmap_encode.h"

#include <cstdint>

namespace {

void putLittle(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string encodeBmp(const BitmapImage& image) {
    const std::uint32_t width = static_cast<std::uint32_t>(image.width());
    const std::uint32_t height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * height;
    constexpr std::uint32_t kHeaders = 14 + 40;
    std::string out;
    out.reserve(kHeaders + pixelBytes);
    out += "BM";
    putLittle(out, kHeaders + pixelBytes, 4);
    putLittle(out, 0, 4);
    putLittle(out, kHeaders, 4);
    putLittle(out, 40, 4);
    putLittle(out, width, 4);
    putLittle(out, height, 4);
    putLittle(out, 1, 2);   // planes
    putLittle(out, 24, 2);  // bits per pixel
    putLittle(out, 0, 4);   // no compression
    putLittle(out, pixelBytes, 4);
    putLittle(out, 2835, 4);  // 72 dots per inch, in dots per metre
    putLittle(out, 2835, 4);
    putLittle(out, 0, 4);
    putLittle(out, 0, 4);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const COLORREF c = image.pixel(x, y);
            out.push_back(static_cast<char>((c >> 16) & 0xFF));  // blue
            out.push_back(static_cast<char>((c >> 8) & 0xFF));   // green
            out.push_back(static_cast<char>(c & 0xFF));          // red
        }
        out.append(rowBytes - width * 3, '\0');
    }
    return out;
}
