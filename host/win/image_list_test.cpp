#include "image_list.h"

#include <gtest/gtest.h>

#include "gdi_objects.h"
#include "win_driver.h"

namespace {

HBITMAP picture(int width, int height, COLORREF colour) {
    BitmapImage image(width, height, false);
    image.fill(colour);
    return gdiCreateBitmapFromImage(image);
}

BitmapImage imageAt(HIMAGELIST list, int index) {
    IMAGEINFO info;
    if (!ImageList_GetImageInfo(list, index, &info)) return {};
    return gdiBitmap(info.hbmImage)->image;
}

TEST(ImageList, PicturesAreCopiedAtTheListsSizeCutOrPaddedWithWhite) {
    const int before = gdiLiveObjectCount();
    CImageList list;
    ASSERT_TRUE(list.Create(8, 4, ILC_COLOR32, 0, 4));
    EXPECT_FALSE(list.Create(8, 4, ILC_COLOR32, 0, 4));
    HBITMAP big = picture(20, 20, RGB(1, 2, 3));
    HBITMAP small = picture(2, 2, RGB(9, 9, 9));
    EXPECT_EQ(ImageList_Add(list, big, nullptr), 0);
    EXPECT_EQ(ImageList_Add(list, small, nullptr), 1);
    DeleteObject(big);  // the list keeps its own copy
    EXPECT_EQ(imageAt(list, 0).width(), 8);
    EXPECT_EQ(imageAt(list, 0).pixel(7, 3), RGB(1, 2, 3));
    EXPECT_EQ(imageAt(list, 1).pixel(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(imageAt(list, 1).pixel(2, 1), RGB(255, 255, 255));
    EXPECT_TRUE(ImageList_Replace(list, 0, small, nullptr));
    EXPECT_EQ(imageAt(list, 0).pixel(0, 0), RGB(9, 9, 9));
    EXPECT_FALSE(ImageList_Replace(list, 2, small, nullptr));
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(list.GetImageCount(), 1);
    EXPECT_FALSE(list.Remove(1));
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx * 10 + cy, 84);
    DeleteObject(small);
    EXPECT_TRUE(list.DeleteImageList());
    EXPECT_EQ(gdiLiveObjectCount(), before);
}

TEST(ImageList, ADestroyedOrUnknownListAndABadBitmapAreRefused) {
    HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR32, 0, 1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
    EXPECT_TRUE(ImageList_Destroy(list));
    HBITMAP p = picture(4, 4, 0);
    EXPECT_EQ(ImageList_Add(list, p, nullptr), -1);
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    IMAGEINFO info;
    EXPECT_FALSE(ImageList_GetImageInfo(list, 0, &info));
    EXPECT_EQ(ImageList_Create(0, 4, 0, 0, 0), nullptr);
    DeleteObject(p);
}

TEST(ImageList, AListViewKeepsItsListsAndTheResetDestroysEveryList) {
    HWND view =
        CreateWindow(WC_LISTVIEW, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HIMAGELIST big = ImageList_Create(32, 32, 0, 0, 1);
    HIMAGELIST small = ImageList_Create(16, 16, 0, 0, 1);
    EXPECT_EQ(SendMessage(view, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(big)), 0);
    SendMessage(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
    EXPECT_EQ(SendMessage(view, LVM_GETIMAGELIST, LVSIL_NORMAL), reinterpret_cast<LRESULT>(big));
    EXPECT_EQ(SendMessage(view, LVM_GETIMAGELIST, LVSIL_SMALL), reinterpret_cast<LRESULT>(small));
    winResetForTests();
    int cx = 0, cy = 0;
    EXPECT_FALSE(ImageList_GetIconSize(big, &cx, &cy));
}

}  // namespace
