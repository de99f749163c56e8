#include "window_api.h"

#include <gtest/gtest.h>

#include <vector>

#include "win_driver.h"

namespace {

class Windows : public ::testing::Test {
  protected:
    void SetUp() override { winResetForTests(); }
};

// Records the destruction messages each window receives, in order.
std::vector<std::pair<UINT, HWND>>& destroyLog() {
    static std::vector<std::pair<UINT, HWND>> log;
    return log;
}

LRESULT loggingProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY || msg == WM_NCDESTROY) destroyLog().emplace_back(msg, h);
    return DefWindowProc(h, msg, wParam, lParam);
}

TEST_F(Windows, DestroyingAParentDestroysChildrenAndOwnedWindows) {
    WNDCLASS wc;
    wc.lpfnWndProc = loggingProc;
    wc.lpszClassName = "LoggingWindow";
    RegisterClass(&wc);
    destroyLog().clear();
    HWND top = CreateWindowEx(0, "LoggingWindow", "top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                              nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowEx(0, "LoggingWindow", "", WS_CHILD, 0, 0, 10, 10, top,
                                reinterpret_cast<HMENU>(5), nullptr, nullptr);
    HWND grandchild = CreateWindowEx(0, WC_EDIT, "", WS_CHILD, 0, 0, 10, 10, child,
                                     reinterpret_cast<HMENU>(6), nullptr, nullptr);
    HWND owned = CreateWindowEx(0, "LoggingWindow", "", WS_POPUP, 0, 0, 10, 10, top, nullptr,
                                nullptr, nullptr);
    SetFocus(grandchild);
    UINT_PTR timer = SetTimer(child, 1, 100, nullptr);
    ASSERT_EQ(timer, 1u);

    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(winActiveTimerCount(), 0);
    std::vector<std::pair<UINT, HWND>> expected{{WM_DESTROY, owned},   {WM_NCDESTROY, owned},
                                                {WM_DESTROY, top},     {WM_DESTROY, child},
                                                {WM_NCDESTROY, child}, {WM_NCDESTROY, top}};
    EXPECT_EQ(destroyLog(), expected);
    EXPECT_FALSE(DestroyWindow(top));
    UnregisterClass("LoggingWindow", nullptr);
}

TEST_F(Windows, FailedDestructionLeavesTheWindowWhole) {
    HWND top = CreateWindowEx(0, WC_DIALOG, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                              nullptr);
    HWND child =
        CreateWindowEx(0, WC_STATIC, "x", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
    winFailNext(WinFailure::DestroyWindow);
    EXPECT_FALSE(DestroyWindow(top));
    EXPECT_TRUE(IsWindow(top));
    EXPECT_EQ(GetParent(child), top);
    EXPECT_TRUE(DestroyWindow(top));
}

TEST_F(Windows, CaptionedDialogHasAFrameButAChildPageHasNone) {
    HWND dialog = CreateWindowEx(0, WC_DIALOG, "Edit", WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 50,
                                 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND page = CreateWindowEx(0, WC_DIALOG, "", WS_CHILD | WS_VISIBLE, 10, 20, 100, 80, dialog,
                               nullptr, nullptr, nullptr);
    CRect client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client, CRect(0, 0, 300 - 2 * 3, 200 - 2 * 3 - 19));
    GetClientRect(page, &client);
    EXPECT_EQ(client, CRect(0, 0, 100, 80));
    CRect pageOnScreen;
    GetWindowRect(page, &pageOnScreen);
    EXPECT_EQ(pageOnScreen.TopLeft(), CPoint(100 + 3 + 10, 50 + 3 + 19 + 20));
    POINT p{5, 5};
    ClientToScreen(page, &p);
    ScreenToClient(dialog, &p);
    EXPECT_EQ(CPoint(p), CPoint(15, 25));
}

TEST_F(Windows, UnknownClassOrDeadParentCreatesNothing) {
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                             nullptr),
              nullptr);
    HWND dead =
        CreateWindowEx(0, WC_DIALOG, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(dead);
    EXPECT_EQ(CreateWindowEx(0, WC_EDIT, "", WS_CHILD, 0, 0, 1, 1, dead, nullptr, nullptr, nullptr),
              nullptr);
    winFailNext(WinFailure::CreateWindow);
    EXPECT_EQ(
        CreateWindowEx(0, WC_DIALOG, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
}

TEST_F(Windows, PostedMessagesWaitForThePumpAndDieWithTheirWindow) {
    HWND edit =
        CreateWindowEx(0, WC_EDIT, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND other =
        CreateWindowEx(0, WC_EDIT, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    PostMessage(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("posted"));
    PostMessage(other, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("lost"));
    EXPECT_EQ(winGetText(edit), "");
    DestroyWindow(other);
    EXPECT_EQ(winPumpMessages(), 1);
    EXPECT_EQ(winGetText(edit), "posted");
}

TEST_F(Windows, FontTravelsWithSetFontAndGetFont) {
    HWND edit =
        CreateWindowEx(0, WC_EDIT, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    LOGFONT lf;
    lf.lfHeight = -15;
    HFONT font = CreateFontIndirect(&lf);
    SendMessage(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessage(edit, WM_GETFONT)), font);
    DeleteObject(font);
}

}  // namespace
