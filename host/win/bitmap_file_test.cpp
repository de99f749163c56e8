#include "bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bitmap_resources.h"
#include "gdi_objects.h"
#include "registry_errors.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The picture every file below holds: 5 x 3 (odd width, so rows are padded).
const std::vector<std::vector<COLORREF>> kPicture = {
    {kRed, kWhite, kRed, kRed, kWhite},
    {kWhite, kWhite, kRed, kWhite, kRed},
    {kRed, kRed, kRed, kWhite, kWhite},
};

void put(std::string& out, unsigned value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Writes kPicture as a .bmp of `bits` per pixel. Palette depths use a palette in which red
// and white sit at indices other than 0 and 1, so a reader ignoring the palette fails.
std::string makeBmp(int bits, bool topDown) {
    const int width = 5, height = 3;
    const std::vector<COLORREF> palette =
        bits == 1 ? std::vector<COLORREF>{kWhite, kRed}
                  : std::vector<COLORREF>{RGB(0, 0, 255), RGB(0, 255, 0), kRed, kWhite};
    std::string pixels;
    const int stride = (width * bits + 31) / 32 * 4;
    for (int row = 0; row < height; ++row) {
        const auto& line = kPicture[topDown ? row : height - 1 - row];
        std::string bytes(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const COLORREF c = line[x];
            if (bits >= 24) {
                bytes[x * bits / 8] = static_cast<char>(GetBValue(c));
                bytes[x * bits / 8 + 1] = static_cast<char>(GetGValue(c));
                bytes[x * bits / 8 + 2] = static_cast<char>(GetRValue(c));
                continue;
            }
            unsigned index = 0;
            while (palette[index] != c) ++index;
            const int bit = x * bits;
            bytes[bit / 8] = static_cast<char>(bytes[bit / 8] | (index << (8 - bits - bit % 8)));
        }
        pixels += bytes;
    }
    const unsigned paletteBytes = bits <= 8 ? static_cast<unsigned>(palette.size()) * 4 : 0;
    std::string file = "BM";
    put(file, 14 + 40 + paletteBytes + static_cast<unsigned>(pixels.size()), 4);
    put(file, 0, 4);
    put(file, 14 + 40 + paletteBytes, 4);
    put(file, 40, 4);
    put(file, width, 4);
    put(file, static_cast<unsigned>(topDown ? -height : height), 4);
    put(file, 1, 2);
    put(file, static_cast<unsigned>(bits), 2);
    put(file, 0, 4);  // uncompressed
    put(file, static_cast<unsigned>(pixels.size()), 4);
    put(file, 2835, 4);
    put(file, 2835, 4);
    put(file, bits <= 8 ? static_cast<unsigned>(palette.size()) : 0, 4);
    put(file, 0, 4);
    for (COLORREF c : bits <= 8 ? palette : std::vector<COLORREF>{})
        put(file, GetBValue(c) | (GetGValue(c) << 8) | (GetRValue(c) << 16), 4);
    return file + pixels;
}

void expectPicture(const BitmapImage& image) {
    ASSERT_EQ(image.width(), 5);
    ASSERT_EQ(image.height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(image.pixel(x, y), kPicture[y][x]) << x << "," << y;
}

TEST(BmpFile, EveryDepthAndRowOrderReadsToTheSamePixels) {
    for (int bits : {1, 4, 8, 24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + (topDown ? " top-down" : " bottom-up"));
            std::optional<BitmapImage> image = decodeBmp(makeBmp(bits, topDown));
            ASSERT_TRUE(image.has_value());
            expectPicture(*image);
        }
    }
}

TEST(BmpFile, WhatEncodeBmpWritesReadsBackPixelForPixel) {
    BitmapImage image(5, 3, false);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixel(x, y, kPicture[y][x]);
    std::optional<BitmapImage> back = decodeBmp(encodeBmp(image));
    ASSERT_TRUE(back.has_value());
    expectPicture(*back);
}

// 16 bits per pixel with 5-6-5 bit-field masks after a 40-byte header, and the old 12-byte
// header with 24 bits: both read to the picture.
TEST(BmpFile, BitFieldMasksAndTheOldHeaderAreRead) {
    std::string pixels;
    for (int row = 2; row >= 0; --row) {
        for (COLORREF c : kPicture[static_cast<size_t>(row)])
            put(pixels, c == kRed ? 0xF800u : 0xFFFFu, 2);
        put(pixels, 0, 2);  // rows padded to 4 bytes
    }
    std::string file = "BM";
    put(file, 14 + 40 + 12 + static_cast<unsigned>(pixels.size()), 4);
    put(file, 0, 4);
    put(file, 14 + 40 + 12, 4);
    put(file, 40, 4);
    put(file, 5, 4);
    put(file, 3, 4);
    put(file, 1, 2);
    put(file, 16, 2);
    put(file, 3, 4);  // bit fields
    put(file, static_cast<unsigned>(pixels.size()), 4);
    for (int i = 0; i < 4; ++i) put(file, 0, 4);
    for (unsigned mask : {0xF800u, 0x07E0u, 0x001Fu}) put(file, mask, 4);
    std::optional<BitmapImage> image = decodeBmp(file + pixels);
    ASSERT_TRUE(image.has_value());
    expectPicture(*image);

    const std::string modern = makeBmp(24, false);
    std::string old = "BM";
    put(old, 14 + 12 + static_cast<unsigned>(modern.size() - 54), 4);
    put(old, 0, 4);
    put(old, 14 + 12, 4);
    put(old, 12, 4);
    put(old, 5, 2);
    put(old, 3, 2);
    put(old, 1, 2);
    put(old, 24, 2);
    image = decodeBmp(old + modern.substr(54));
    ASSERT_TRUE(image.has_value());
    expectPicture(*image);
}

TEST(BmpFile, TruncatedOrDamagedFilesFailCleanly) {
    const std::string good = makeBmp(8, false);
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(decodeBmp(good.substr(0, length)).has_value()) << length;
    std::string badMagic = good;
    badMagic[0] = 'X';
    EXPECT_FALSE(decodeBmp(badMagic).has_value());
    std::string compressed = good;
    compressed[30] = 1;  // run-length compression is not read
    EXPECT_FALSE(decodeBmp(compressed).has_value());
    std::string huge = makeBmp(24, false);
    huge[18] = huge[19] = huge[20] = '\x7F';  // width far beyond the limit
    EXPECT_FALSE(decodeBmp(huge).has_value());
}

TEST(BmpFile, LoadImageReadsAFileAndReportsMissingOnes) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vn_bmp_" + std::to_string(::getpid()) + ".bmp"))
            .string();
    std::ofstream(path, std::ios::binary) << makeBmp(24, false);
    HBITMAP loaded = static_cast<HBITMAP>(
        LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    ASSERT_NE(loaded, nullptr);
    BITMAP bm;
    EXPECT_EQ(GetObject(loaded, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
    expectPicture(gdiBitmap(loaded)->image);
    EXPECT_TRUE(DeleteObject(loaded));
    std::remove(path.c_str());
    EXPECT_EQ(LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(BmpFile, ResourceBitmapsLoadByIdAsNewHandles) {
    resourceAddBitmap(8134, BitmapImage(13, 13, false));
    HBITMAP first = resourceLoadBitmap(8134);
    HBITMAP second = LoadBitmap(nullptr, MAKEINTRESOURCE(8134));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(resourceLoadBitmap(8136), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    DeleteObject(first);
    DeleteObject(second);
    resourceClearForTests();
}

}  // namespace
