#include "gdi_dc.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(200, 10, 20);
constexpr COLORREF kFace = RGB(240, 240, 240);

// A picture with white pixels on a diagonal, red elsewhere.
void paintPicture(CBitmap& picture, int size) {
    ASSERT_TRUE(picture.CreateBitmap(size, size, 1, 32, nullptr));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) picture.image()->setPixel(x, y, x == y ? kWhite : kRed);
}

TEST(GdiMask, MaskHasTheWhitePixelsSetAndThePictureDrawsTransparently) {
    const int n = 4;
    CBitmap picture, mask;
    paintPicture(picture, n);
    ASSERT_TRUE(mask.CreateBitmap(n, n, 1, 1, nullptr));
    {
        CDC source, target;
        source.CreateCompatibleDC(nullptr);
        target.CreateCompatibleDC(nullptr);
        CBitmap* oldSource = source.SelectObject(&picture);
        CBitmap* oldTarget = target.SelectObject(&mask);
        source.SetBkColor(kWhite);  // colour -> monochrome: the background colour becomes 1
        ASSERT_TRUE(target.BitBlt(0, 0, n, n, &source, 0, 0, SRCCOPY));
        // Clear the white pixels to black: monochrome -> colour maps 1 to the background
        // (black) and 0 to the text colour (white); AND keeps the rest.
        source.SetBkColor(RGB(0, 0, 0));
        source.SetTextColor(kWhite);
        ASSERT_TRUE(source.BitBlt(0, 0, n, n, &target, 0, 0, SRCAND));
        source.SelectObject(oldSource);
        target.SelectObject(oldTarget);
    }
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(mask.image()->pixel(i, i), kWhite);
        EXPECT_EQ(mask.image()->pixel((i + 1) % n, i), 0u);
        EXPECT_EQ(picture.image()->pixel(i, i), 0u);
        EXPECT_EQ(picture.image()->pixel((i + 1) % n, i), kRed);
    }

    // Drawing through the mask over a background: SRCAND mask, then SRCPAINT picture.
    CBitmap screen;
    screen.CreateBitmap(n, n, 1, 32, nullptr);
    CDC dc, memory;
    dc.CreateCompatibleDC(nullptr);
    memory.CreateCompatibleDC(nullptr);
    CBitmap* oldScreen = dc.SelectObject(&screen);
    dc.FillSolidRect(0, 0, n, n, kFace);
    dc.SetBkColor(kWhite);
    dc.SetTextColor(RGB(0, 0, 0));
    CBitmap* oldMemory = memory.SelectObject(&mask);
    dc.BitBlt(0, 0, n, n, &memory, 0, 0, SRCAND);
    memory.SelectObject(&picture);
    dc.BitBlt(0, 0, n, n, &memory, 0, 0, SRCPAINT);
    EXPECT_EQ(dc.GetPixel(2, 2), kFace);
    EXPECT_EQ(dc.GetPixel(3, 2), kRed);
    const auto& drawn = dc.records();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].rop, SRCAND);
    EXPECT_EQ(drawn[1].source, static_cast<HBITMAP>(mask));
    EXPECT_EQ(drawn[2].rop, SRCPAINT);
    EXPECT_EQ(drawn[2].source, static_cast<HBITMAP>(picture));
    memory.SelectObject(oldMemory);
    dc.SelectObject(oldScreen);
}

TEST(GdiObjects, SelectedBitmapCannotBeDeletedOrSelectedTwice) {
    CBitmap bitmap;
    bitmap.CreateBitmap(2, 2, 1, 32, nullptr);
    CDC a, b;
    a.CreateCompatibleDC(nullptr);
    b.CreateCompatibleDC(nullptr);
    CBitmap* old = a.SelectObject(&bitmap);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(b.SelectObject(&bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(static_cast<HBITMAP>(bitmap)));
    a.SelectObject(old);
    EXPECT_TRUE(bitmap.DeleteObject());
}

TEST(GdiObjects, ContextsAndObjectsAreReleased) {
    const int objects = gdiLiveObjectCount(), contexts = gdiLiveContextCount();
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBrush brush(kRed);
        CPen pen(PS_SOLID, 1, kRed);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, 3, 3);
        dc.SelectObject(&brush);
        dc.SelectObject(&pen);
        dc.SelectObject(&bitmap);
        dc.Rectangle(0, 0, 3, 3);
        EXPECT_EQ(dc.GetPixel(1, 1), kRed);
        dc.DeleteDC();  // releases the selections, so the objects can go
    }
    EXPECT_EQ(gdiLiveObjectCount(), objects);
    EXPECT_EQ(gdiLiveContextCount(), contexts);
}

TEST(GdiDc, WindowContextRecordsTextAndShapesInOrder) {
    CDC dc;
    dc.CreateForWindow(nullptr);
    dc.SetTextColor(kRed);
    dc.TextOut(3, 4, "Bolt");
    RECT box{0, 0, 100, 20};
    dc.DrawText("a\nbc", &box, DT_LEFT);
    dc.MoveTo(1, 1);
    dc.LineTo(9, 1);
    const auto& drawn = dc.records();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].op, GdiOp::Text);
    EXPECT_EQ(drawn[0].text, "Bolt");
    EXPECT_EQ(drawn[0].color, kRed);
    EXPECT_EQ(drawn[1].text, "a\nbc");
    EXPECT_EQ(drawn[2].op, GdiOp::Line);
    EXPECT_EQ(drawn[2].rect.right, 9);
    EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
}

TEST(GdiDc, RestoreDcPutsBackColoursAndSelections) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const int saved = dc.SaveDC();
    CBrush brush(kRed);
    dc.SelectObject(&brush);
    dc.SetBkColor(kRed);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetBkColor(), kWhite);
    EXPECT_TRUE(brush.DeleteObject());  // no longer selected
    EXPECT_FALSE(dc.RestoreDC(saved));
}

}  // namespace
