#include "module_pictures.h"

#include <gtest/gtest.h>

#include <set>

#include "bitmap_resources.h"
#include "frame.h"
#include "gdi_objects.h"

namespace {

// Every icon the module's dialogs name for their buttons and windows.
const UINT kIcons[] = {148, 206, 212, 217, 218, 220, 221, 222, 223, 231, 232, 233,
                       234, 235, 236, 237, 239, 240, 241, 257, 258, 259, 261, 262};

TEST(ModulePictures, EveryNamedIconAndBitmapLoadsAfterAReset) {
    for (UINT id : kIcons) {
        HICON icon = resourceLoadIcon(id);
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(gdiIcon(icon)->image.width(), 16) << id;
        DestroyIcon(icon);
    }
    for (UINT id : {251u, 8134u, 8136u}) {
        HBITMAP bitmap = resourceLoadBitmap(id);
        ASSERT_NE(bitmap, nullptr) << id;
        DeleteObject(bitmap);
    }
}

TEST(ModulePictures, EachPictureIsWholeUsesThePaletteAndIconsHaveTransparentParts) {
    std::set<UINT> ids;
    for (int i = 0; i < kModulePictureArtCount; ++i) {
        const VnPictureArt& art = kModulePictureArt[i];
        EXPECT_TRUE(ids.insert(art.id).second) << "twice: " << art.id;
        ASSERT_EQ(std::string(art.pixels).size(), static_cast<size_t>(art.width * art.height))
            << art.id;
        const BitmapImage image = vnPictureImage(art);
        int drawn = 0;
        for (int y = 0; y < art.height; ++y)
            for (int x = 0; x < art.width; ++x) {
                EXPECT_NE(image.pixel(x, y), RGB(255, 0, 255)) << art.id;
                drawn += art.pixels[y * art.width + x] != '.';
            }
        EXPECT_GT(drawn, 8) << art.id;
        if (art.kind == VnPictureKind::Icon) {
            const BitmapImage mask = vnPictureMask(art);
            EXPECT_EQ(mask.pixel(0, 0) == RGB(255, 255, 255), art.pixels[0] == '.') << art.id;
        }
    }
}

}  // namespace
