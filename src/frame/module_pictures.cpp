#include "module_pictures.h"

#include "bitmap_resources.h"

namespace {

COLORREF colourOf(char c, COLORREF transparent) {
    switch (c) {
        case '.':
            return transparent;
        case 'k':
            return RGB(0, 0, 0);
        case 'w':
            return RGB(255, 255, 255);
        case 'e':
            return RGB(128, 128, 128);
        case 'l':
            return RGB(192, 192, 192);
        case 'r':
            return RGB(200, 30, 30);
        case 'g':
            return RGB(20, 140, 40);
        case 'b':
            return RGB(30, 70, 190);
        case 'c':
            return RGB(40, 160, 200);
        case 'y':
            return RGB(240, 200, 40);
        case 'o':
            return RGB(230, 120, 20);
        case 'n':
            return RGB(130, 80, 30);
        case 'm':
            return RGB(170, 40, 160);
        default:
            return RGB(255, 0, 255);
    }
}

template <typename Colour>
BitmapImage drawn(const VnPictureArt& art, Colour colour) {
    BitmapImage image(art.width, art.height, false);
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x)
            image.setPixel(x, y, colour(art.pixels[y * art.width + x]));
    return image;
}

}  // namespace

BitmapImage vnPictureImage(const VnPictureArt& art) {
    const COLORREF face =
        art.kind == VnPictureKind::Icon ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNFACE);
    return drawn(art, [face](char c) { return colourOf(c, face); });
}

BitmapImage vnPictureMask(const VnPictureArt& art) {
    return drawn(art, [](char c) { return c == '.' ? RGB(255, 255, 255) : RGB(0, 0, 0); });
}

void registerModulePictures() {
    for (int i = 0; i < kModulePictureArtCount; ++i) {
        const VnPictureArt& art = kModulePictureArt[i];
        if (art.kind == VnPictureKind::Icon)
            resourceAddIcon(art.id, vnPictureImage(art), vnPictureMask(art));
        else
            resourceAddBitmap(art.id, vnPictureImage(art));
    }
}
