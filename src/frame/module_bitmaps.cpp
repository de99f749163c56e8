#include "module_bitmaps.h"

#include <memory>

#include "module_entry.h"
#include "module_pictures.h"

namespace {

struct ModuleBitmaps {
    std::unique_ptr<CBitmap> on = std::make_unique<CBitmap>();
    std::unique_ptr<CBitmap> off = std::make_unique<CBitmap>();
};

ModuleBitmaps& bitmaps() {
    static ModuleBitmaps b;
    return b;
}

constexpr int kBoxSize = 13;

// The module's two check-box pictures: a framed white box, with a tick in the "on" one.
BitmapImage checkBoxPicture(bool ticked) {
    BitmapImage image(kBoxSize, kBoxSize, false);
    image.fill(RGB(255, 255, 255));
    for (int i = 0; i < kBoxSize; ++i) {
        for (int edge : {0, kBoxSize - 1}) {
            image.setPixel(i, edge, RGB(128, 128, 128));
            image.setPixel(edge, i, RGB(128, 128, 128));
        }
    }
    if (!ticked) return image;
    const int tick[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
    for (const auto& p : tick) {
        image.setPixel(p[0], p[1], RGB(0, 0, 0));
        image.setPixel(p[0], p[1] + 1, RGB(0, 0, 0));
    }
    return image;
}

void registerPictures() {
    resourceAddBitmap(kCheckBoxBitmapOn, checkBoxPicture(true));
    resourceAddBitmap(kCheckBoxBitmapOff, checkBoxPicture(false));
    registerModulePictures();
}

bool load(std::unique_ptr<CBitmap>& bitmap, UINT id) {
    bitmap = std::make_unique<CBitmap>();
    return bitmap->LoadBitmap(id) != FALSE;
}

}  // namespace

bool loadModuleBitmaps() {
    // The pictures are the module's own resources (built into it, so present whenever the
    // module is), not the host's.
    registerPictures();
    VnResourceScope scope(vnResourceOverride());
    bool on = load(bitmaps().on, kCheckBoxBitmapOn);
    bool off = load(bitmaps().off, kCheckBoxBitmapOff);
    return on && off;
}

bool moduleBitmapsLoaded() {
    return bitmaps().on->GetSafeHandle() != nullptr && bitmaps().off->GetSafeHandle() != nullptr;
}

CBitmap* moduleBitmap(UINT id) {
    if (id == kCheckBoxBitmapOn) return bitmaps().on.get();
    if (id == kCheckBoxBitmapOff) return bitmaps().off.get();
    return nullptr;
}

void resetModuleBitmapsForTests() {
    bitmaps() = ModuleBitmaps{};
    // The window system's reset forgot every resource; the module's own are always there.
    registerPictures();
}
