#include "bitmap_file.h"

#include <cstdint>
#include <vector>

#include "whole_file.h"

namespace {

struct BmpHeader {
    long long width = 0;
    long long height = 0;  // positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
    std::size_t pixelOffset = 0;
};

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint32_t le(std::string_view b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

bool readCoreHeader(std::string_view b, BmpHeader& h) {
    h.width = le(b, 18, 2);
    h.height = le(b, 20, 2);
    h.bitCount = static_cast<int>(le(b, 24, 2));
    h.paletteEntrySize = 3;
    return true;
}

bool readInfoHeader(std::string_view b, std::size_t headerSize, BmpHeader& h) {
    if (b.size() < 14 + 40) return false;
    h.width = static_cast<std::int32_t>(le(b, 18, 4));
    const long long height = static_cast<std::int32_t>(le(b, 22, 4));
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.bitCount = static_cast<int>(le(b, 28, 2));
    h.compression = le(b, 30, 4);
    h.paletteCount = le(b, 46, 4);
    if (h.compression == kBiBitfields) {
        // Masks follow a 40-byte header, or sit inside the longer headers.
        const std::size_t at = 14 + 40;
        if (b.size() < at + 12) return false;
        for (int i = 0; i < 3; ++i) h.masks[i] = le(b, at + 4 * i, 4);
        if (headerSize == 40) h.paletteOffset = 12;
    }
    return true;
}

bool readHeader(std::string_view b, BmpHeader& h) {
    if (b.size() < 14 + 12 || b[0] != 'B' || b[1] != 'M') return false;
    h.pixelOffset = le(b, 10, 4);
    const std::size_t headerSize = le(b, 14, 4);
    if (headerSize != 12 && headerSize < 40) return false;
    if (b.size() < 14 + headerSize) return false;
    const bool ok = headerSize == 12 ? readCoreHeader(b, h) : readInfoHeader(b, headerSize, h);
    h.paletteOffset += 14 + headerSize;
    return ok && le(b, 14 + (headerSize == 12 ? 8 : 12), 2) == 1;  // one plane
}

bool validHeader(BmpHeader& h) {
    if (h.width <= 0 || h.height <= 0 || h.width > kBmpMaxSide || h.height > kBmpMaxSide)
        return false;
    if (h.width * h.height > kBmpMaxPixels) return false;
    switch (h.bitCount) {
        case 1:
        case 4:
        case 8:
            if (h.compression != kBiRgb) return false;
            if (h.paletteCount == 0 || h.paletteCount > (1u << h.bitCount))
                h.paletteCount = 1u << h.bitCount;
            return true;
        case 16:
        case 32:
            return h.compression == kBiRgb || h.compression == kBiBitfields;
        case 24:
            return h.compression == kBiRgb;
        default:
            return false;
    }
}

std::vector<COLORREF> readPalette(std::string_view b, const BmpHeader& h, bool& ok) {
    std::vector<COLORREF> palette;
    const std::size_t bytes = h.paletteCount * h.paletteEntrySize;
    if (h.bitCount > 8) return palette;
    if (h.paletteOffset > b.size() || b.size() - h.paletteOffset < bytes) {
        ok = false;
        return palette;
    }
    for (std::size_t i = 0; i < h.paletteCount; ++i) {
        const std::size_t at = h.paletteOffset + i * h.paletteEntrySize;
        palette.push_back(RGB(static_cast<unsigned char>(b[at + 2]),
                              static_cast<unsigned char>(b[at + 1]),
                              static_cast<unsigned char>(b[at])));
    }
    return palette;
}

// Scales a masked channel to 0..255.
int channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const std::uint32_t max = mask >> shift;
    return static_cast<int>(((value & mask) >> shift) * 255u / max);
}

COLORREF maskedPixel(std::uint32_t v, const BmpHeader& h) {
    if (h.compression == kBiBitfields)
        return RGB(channel(v, h.masks[0]), channel(v, h.masks[1]), channel(v, h.masks[2]));
    if (h.bitCount == 16) return RGB(channel(v, 0x7C00), channel(v, 0x03E0), channel(v, 0x001F));
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

COLORREF pixelAt(std::string_view row, long long x, const BmpHeader& h,
                 const std::vector<COLORREF>& palette) {
    if (h.bitCount <= 8) {
        const long long bit = x * h.bitCount;
        const unsigned byte = static_cast<unsigned char>(row[bit / 8]);
        const unsigned index = (byte >> (8 - h.bitCount - bit % 8)) & ((1u << h.bitCount) - 1);
        return index < palette.size() ? palette[index] : 0;
    }
    const std::size_t bytes = static_cast<std::size_t>(h.bitCount / 8);
    const std::uint32_t v = le(row, static_cast<std::size_t>(x) * bytes, static_cast<int>(bytes));
    return maskedPixel(v, h);
}

}  // namespace

std::optional<BitmapImage> decodeBmp(std::string_view bytes) {
    BmpHeader h;
    if (!readHeader(bytes, h) || !validHeader(h)) return std::nullopt;
    bool ok = true;
    const std::vector<COLORREF> palette = readPalette(bytes, h, ok);
    const std::size_t stride = static_cast<std::size_t>((h.width * h.bitCount + 31) / 32) * 4;
    const std::size_t needed = stride * static_cast<std::size_t>(h.height);
    if (!ok || h.pixelOffset > bytes.size() || bytes.size() - h.pixelOffset < needed)
        return std::nullopt;
    const int width = static_cast<int>(h.width), height = static_cast<int>(h.height);
    BitmapImage image(width, height, false);
    for (int y = 0; y < height; ++y) {
        const int fileRow = h.topDown ? y : height - 1 - y;
        const std::string_view row = bytes.substr(h.pixelOffset + stride * fileRow, stride);
        for (int x = 0; x < width; ++x) image.setPixel(x, y, pixelAt(row, x, h, palette));
    }
    return image;
}

std::optional<BitmapImage> readBmpFile(const std::string& path) {
    std::string bytes;
    if (!fileReadWhole(path, bytes)) return std::nullopt;
    return decodeBmp(bytes);
}

namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string encodeBmp(const BitmapImage& image) {
    const std::uint32_t pixels = static_cast<std::uint32_t>(image.width()) * image.height();
    const std::uint32_t headers = 14 + 40;
    std::string out;
    out.reserve(headers + pixels * 4);
    out += "BM";
    putLe(out, headers + pixels * 4, 4);
    putLe(out, 0, 4);
    putLe(out, headers, 4);
    putLe(out, 40, 4);
    putLe(out, static_cast<std::uint32_t>(image.width()), 4);
    putLe(out, static_cast<std::uint32_t>(-image.height()), 4);  // top-down rows
    putLe(out, 1, 2);
    putLe(out, 32, 2);
    putLe(out, 0, 4);
    putLe(out, pixels * 4, 4);
    putLe(out, 2835, 4);
    putLe(out, 2835, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            COLORREF c = image.pixel(x, y);
            out.push_back(static_cast<char>((c >> 16) & 0xFF));
            out.push_back(static_cast<char>((c >> 8) & 0xFF));
            out.push_back(static_cast<char>(c & 0xFF));
            out.push_back(static_cast<char>(0xFF));
        }
    }
    return out;
}
