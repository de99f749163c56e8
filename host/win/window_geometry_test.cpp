// Rectangles, points and placing windows: the arithmetic the dialogs' layout code relies on.
#include <gtest/gtest.h>

#include "shown_dialog_test.h"
#include "win_driver.h"

namespace {

bool same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

TEST(Rectangles, IntersectionUnionAndGrowingAgreeWithTheRectClass) {
    RECT a, b, out;
    SetRect(&a, 0, 0, 10, 10);
    SetRect(&b, 5, 5, 20, 8);
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_TRUE(same(out, CRect(5, 5, 10, 8)));
    EXPECT_TRUE(UnionRect(&out, &a, &b));
    EXPECT_TRUE(same(out, CRect(0, 0, 20, 10)));
    SetRect(&b, 10, 0, 20, 10);  // touching at an edge only: no intersection
    EXPECT_FALSE(IntersectRect(&out, &a, &b));
    EXPECT_TRUE(IsRectEmpty(&out));
    EXPECT_TRUE(same(out, RECT{}));
    RECT empty{};
    EXPECT_TRUE(UnionRect(&out, &empty, &a));  // an empty side adds nothing
    EXPECT_TRUE(same(out, a));
    EXPECT_TRUE(UnionRect(&out, &a, &empty));
    EXPECT_TRUE(same(out, a));
    EXPECT_FALSE(UnionRect(&out, &empty, &empty));
    EXPECT_TRUE(InflateRect(&a, 2, -1));
    EXPECT_TRUE(same(a, CRect(-2, 1, 12, 9)));
    EXPECT_TRUE(OffsetRect(&a, 2, -1));
    EXPECT_TRUE(same(a, CRect(0, 0, 14, 8)));
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(InflateRect(nullptr, 1, 1));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_GT(GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CXBORDER));
    EXPECT_GE(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CXDLGFRAME));
    EXPECT_EQ(GetSystemMetrics(-5), 0);
}

class Placing : public HostWindow {
  protected:
    HWND child(int id, int x, int y, int w, int h, DWORD style = WS_VISIBLE) {
        return CreateWindow(WC_STATIC, "", WS_CHILD | style, x, y, w, h, host.m_hWnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
};

TEST_F(Placing, ThePointFindsTheNewestVisibleWindowAndItsDeepestChild) {
    host.MoveWindow(100, 100, 300, 200);
    host.ShowWindow(SW_SHOW);
    HWND left = child(1, 10, 10, 50, 50);
    child(2, 100, 10, 50, 50, 0);  // hidden
    POINT inLeft{120, 120}, inHidden{220, 120}, outside{5, 5};
    EXPECT_EQ(WindowFromPoint(inLeft), left);
    EXPECT_EQ(WindowFromPoint(inHidden), host.m_hWnd);
    EXPECT_EQ(WindowFromPoint(outside), nullptr);
    EXPECT_EQ(ChildWindowFromPoint(host, POINT{20, 20}), left);
    EXPECT_EQ(ChildWindowFromPoint(host, POINT{120, 20}), host.m_hWnd);
    EXPECT_EQ(ChildWindowFromPoint(host, POINT{-1, 20}), nullptr);
    CWnd above;
    above.CreateEx(0, WC_DIALOG, "Above", WS_POPUP | WS_VISIBLE, CRect(110, 110, 200, 200), nullptr,
                   0);
    EXPECT_EQ(WindowFromPoint(inLeft), above.m_hWnd);  // the newest window is on top
    above.DestroyWindow();
}

TEST_F(Placing, SetWindowPosKeepsWhatItsFlagsSayAndShowsOrHides) {
    HWND c = child(1, 10, 20, 30, 40, 0);
    CWnd* w = CWnd::FromHandle(c);
    ASSERT_TRUE(w->SetWindowPos(nullptr, 50, 60, 70, 80, SWP_NOSIZE | SWP_SHOWWINDOW));
    CRect r;
    w->GetWindowRect(&r);
    host.ScreenToClient(&r);
    EXPECT_EQ(r, CRect(50, 60, 80, 100));
    EXPECT_TRUE(IsWindowVisible(c) || !host.IsWindowVisible());
    EXPECT_TRUE(w->GetStyle() & WS_VISIBLE);
    ASSERT_TRUE(SetWindowPos(c, nullptr, 0, 0, 5, 6, SWP_NOMOVE | SWP_HIDEWINDOW));
    w->GetWindowRect(&r);
    host.ScreenToClient(&r);
    EXPECT_EQ(r, CRect(50, 60, 55, 66));
    EXPECT_FALSE(w->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(SetWindowPos(nullptr, nullptr, 0, 0, 1, 1, 0));
}

TEST_F(Placing, CenterWindowCentresOnTheOwnerAndAChildInItsParent) {
    host.MoveWindow(100, 100, 300, 200);
    CWnd popup;
    popup.CreateEx(0, WC_DIALOG, "Popup", WS_POPUP, CRect(0, 0, 100, 50), nullptr, 0);
    popup.CenterWindow(&host);
    CRect r;
    popup.GetWindowRect(&r);
    EXPECT_EQ(r, CRect(200, 175, 300, 225));
    HWND c = child(1, 0, 0, 100, 50);
    CWnd::FromHandle(c)->CenterWindow();
    CWnd::FromHandle(c)->GetWindowRect(&r);
    host.ScreenToClient(&r);
    CRect client;
    host.GetClientRect(&client);
    EXPECT_EQ(r.CenterPoint().x, client.CenterPoint().x);
    popup.DestroyWindow();
}

TEST_F(Placing, WindowWrappersReadAndChangeTheirWindow) {
    HWND c = child(7, 10, 10, 40, 20);
    CWnd* w = CWnd::FromHandle(c);
    w->SetWindowText("Length");
    char buffer[4] = {};
    EXPECT_EQ(w->GetWindowText(buffer, sizeof buffer), 3);  // cut to the buffer
    EXPECT_STREQ(buffer, "Len");
    EXPECT_EQ(w->GetWindowTextLength(), 6);
    EXPECT_EQ(host.GetDlgItemText(7, buffer, sizeof buffer), 3);
    EXPECT_EQ(w->GetParent(), &host);
    EXPECT_EQ(host.GetWindow(GW_CHILD)->m_hWnd, c);
    EXPECT_TRUE(w->ModifyStyleEx(0, WS_EX_CLIENTEDGE));
    EXPECT_FALSE(w->ModifyStyleEx(0, WS_EX_CLIENTEDGE));  // nothing changed
    EXPECT_EQ(w->GetExStyle() & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    CFont font;
    font.CreatePointFont(90, "Arial");
    w->SetFont(&font);
    ASSERT_NE(w->GetFont(), nullptr);
    EXPECT_EQ(w->GetFont()->m_hObject, font.m_hObject);
    CPoint p(0, 0);
    w->ClientToScreen(&p);
    w->ScreenToClient(&p);
    EXPECT_EQ(p, CPoint(0, 0));
    CRect r(0, 0, 5, 5);
    w->MapWindowPoints(&host, &r);
    EXPECT_EQ(r.TopLeft(), CPoint(12, 12));  // the client edge's 2 pixels inside the window
    EXPECT_EQ(r.Size(), CSize(5, 5));
    w->ClientToScreen(&r);
    host.ShowWindow(SW_SHOW);
    EXPECT_EQ(w->SetFocus(), nullptr);
    EXPECT_EQ(CWnd::GetFocus()->m_hWnd, c);
    w->SetCapture();
    EXPECT_EQ(GetCapture(), c);
    ReleaseCapture();
    host.SetForegroundWindow();
    host.BringWindowToTop();
    w->SetRedraw(FALSE);
    w->Invalidate();
    w->UpdateWindow();
    EXPECT_FALSE(winPaintRecords(c).empty());
    w->SetFont(nullptr);
    EXPECT_EQ(w->GetFont(), nullptr);
}

}  // namespace
