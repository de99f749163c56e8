#include "rect_tracker.h"

#include <gtest/gtest.h>

#include <string>

#include "gdi_cursor.h"
#include "win_driver.h"

namespace {

std::string text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

class RectTracker : public ::testing::Test {
  protected:
    RectTracker()
        : tracker(CRect(10, 10, 50, 40), CRectTracker::solidLine | CRectTracker::resizeOutside) {
        tracker.m_nHandleSize = 5;
    }
    CRectTracker tracker;
};

TEST_F(RectTracker, HitTestFindsTheEightOutsideHandlesTheInsideAndTheGaps) {
    struct Case {
        POINT point;
        int hit;
    };
    const Case cases[] = {
        {{7, 7}, CRectTracker::hitTopLeft},       {{52, 7}, CRectTracker::hitTopRight},
        {{52, 42}, CRectTracker::hitBottomRight}, {{7, 42}, CRectTracker::hitBottomLeft},
        {{29, 7}, CRectTracker::hitTop},          {{52, 24}, CRectTracker::hitRight},
        {{29, 42}, CRectTracker::hitBottom},      {{6, 24}, CRectTracker::hitLeft},
        {{30, 25}, CRectTracker::hitMiddle},      {{9, 20}, CRectTracker::hitMiddle},
        {{20, 7}, CRectTracker::hitNothing},      {{4, 4}, CRectTracker::hitNothing},
        {{56, 46}, CRectTracker::hitNothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tracker.HitTest(CPoint(c.point)), c.hit) << c.point.x << "," << c.point.y;
}

TEST_F(RectTracker, InvertedRectangleIsHitAsItsNormalisedShape) {
    tracker.m_rect = CRect(50, 40, 10, 10);
    const int hit = tracker.HitTest(CPoint(7, 7));
    EXPECT_EQ(hit, CRectTracker::hitBottomRight);
    EXPECT_EQ(tracker.NormalizeHit(hit), CRectTracker::hitTopLeft);
    EXPECT_EQ(CRectTracker::CursorFor(tracker.NormalizeHit(CRectTracker::hitTopRight)),
              IDC_SIZENESW);
}

TEST_F(RectTracker, DragInsideMovesTheWholeRectangle) {
    EXPECT_TRUE(tracker.TrackPoints(CPoint(30, 25), {{35, 25}, {40, 35}}));
    EXPECT_EQ(text(tracker.m_rect), text(CRect(20, 20, 60, 50)));
}

TEST_F(RectTracker, DragOnAHandleResizesOnlyItsEdges) {
    EXPECT_TRUE(tracker.TrackPoints(CPoint(52, 42), {{62, 47}, {72, 52}}));
    EXPECT_EQ(text(tracker.m_rect), text(CRect(10, 10, 70, 50)));
    EXPECT_TRUE(tracker.TrackPoints(CPoint(6, 29), {{0, 0}}));  // left side: x only
    EXPECT_EQ(text(tracker.m_rect), text(CRect(4, 10, 70, 50)));
}

TEST_F(RectTracker, ResizeWithoutInvertingStopsAtTheMinimumSize) {
    EXPECT_TRUE(tracker.TrackPoints(CPoint(52, 42), {{0, 0}}));
    EXPECT_EQ(text(tracker.m_rect), text(CRect(10, 10, 18, 18)));
}

TEST_F(RectTracker, RubberBandDraggedUpAndLeftIsInverted) {
    CRectTracker band;
    EXPECT_TRUE(band.TrackRubberBandPoints(CPoint(100, 100), {{70, 90}, {40, 60}}, TRUE));
    EXPECT_EQ(text(band.m_rect), text(CRect(100, 100, 40, 60)));
    band.m_rect.NormalizeRect();
    EXPECT_EQ(text(band.m_rect), text(CRect(40, 60, 100, 100)));
}

TEST_F(RectTracker, ReleaseWithoutMovingChangesNothing) {
    EXPECT_FALSE(tracker.TrackPoints(CPoint(30, 25), {}));
    EXPECT_FALSE(tracker.TrackPoints(CPoint(30, 25), {{30, 25}}));
    EXPECT_EQ(text(tracker.m_rect), text(CRect(10, 10, 50, 40)));
    EXPECT_FALSE(tracker.TrackPoints(CPoint(200, 200), {{250, 250}}));  // missed
}

TEST_F(RectTracker, CancelledDragRestoresTheRectangle) {
    std::vector<CRectTracker::DragStep> steps(2);
    steps[0].point = {40, 40};
    steps[1].kind = CRectTracker::DragStep::Cancel;
    std::size_t i = 0;
    EXPECT_FALSE(
        tracker.TrackSteps(CRectTracker::hitMiddle, CPoint(30, 25), [&](CRectTracker::DragStep& s) {
            if (i == steps.size()) return false;
            s = steps[i++];
            return true;
        }));
    EXPECT_EQ(text(tracker.m_rect), text(CRect(10, 10, 50, 40)));
}

TEST_F(RectTracker, DrawShowsTheFrameAndEightHandles) {
    CDC dc;
    ASSERT_TRUE(dc.CreateForWindow(nullptr));
    tracker.Draw(&dc);
    int handles = 0;
    bool frame = false;
    for (const GdiRecord& r : dc.records()) {
        if (r.op == GdiOp::Rectangle) frame = text(r.rect) == text(CRect(9, 9, 51, 41));
        if (r.op == GdiOp::FillRect) ++handles;
    }
    EXPECT_TRUE(frame);
    EXPECT_EQ(handles, 8);
}

}  // namespace

namespace {

class RectTrackerInWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        window = CreateWindow("STATIC", "", WS_POPUP | WS_VISIBLE, 100, 50, 300, 200, nullptr,
                              nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { gdiCursorResetForTests(); }
    LPARAM at(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
    HWND window = nullptr;
};

TEST_F(RectTrackerInWindow, TrackReadsTheQueuedDragFromTheMessageQueue) {
    CRectTracker tracker(CRect(10, 10, 50, 40),
                         CRectTracker::solidLine | CRectTracker::resizeOutside);
    tracker.m_nHandleSize = 5;
    PostMessage(window, WM_MOUSEMOVE, MK_LBUTTON, at(40, 30));
    PostMessage(window, WM_LBUTTONUP, 0, at(50, 45));
    EXPECT_TRUE(tracker.Track(CWnd::FromHandle(window), CPoint(30, 25), TRUE));
    EXPECT_EQ(text(tracker.m_rect), text(CRect(30, 30, 70, 60)));

    PostMessage(window, WM_MOUSEMOVE, MK_LBUTTON, at(0, 0));
    PostMessage(window, WM_RBUTTONDOWN, MK_RBUTTON, at(0, 0));  // cancels
    EXPECT_FALSE(tracker.TrackRubberBand(CWnd::FromHandle(window), CPoint(90, 90)));
    EXPECT_EQ(text(tracker.m_rect), text(CRect(90, 90, 90, 90)));
}

TEST_F(RectTrackerInWindow, SetCursorShowsTheCursorOfThePartUnderTheMouse) {
    CRectTracker tracker(CRect(10, 10, 50, 40),
                         CRectTracker::solidLine | CRectTracker::resizeOutside);
    tracker.m_nHandleSize = 5;
    CWnd* wnd = CWnd::FromHandle(window);
    POINT screen{52, 42};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    EXPECT_TRUE(tracker.SetCursor(wnd, HTCLIENT));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZENWSE));
    EXPECT_FALSE(tracker.SetCursor(wnd, 0));
    screen = {200, 150};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    EXPECT_FALSE(tracker.SetCursor(wnd, HTCLIENT));
}

}  // namespace

namespace {

constexpr UINT kTrackerDialog = 9395;
const DialogTemplateRegistration kTrackerTemplate(
    {kTrackerDialog, "Layout", kDialogStyle, 0, 0, 200, 150, {}});

// A layout window as the designer has one: a press on the tracked rectangle moves or resizes
// it, a press beside it draws a new one.
class LayoutDialog : public CDialog {
  public:
    LayoutDialog() : CDialog(kTrackerDialog) {
        tracker.m_rect = CRect(20, 20, 80, 60);
        tracker.m_nStyle = CRectTracker::solidLine | CRectTracker::resizeOutside;
        tracker.m_nHandleSize = 6;
    }
    void OnLButtonDown(UINT, CPoint point) override {
        changed = tracker.HitTest(point) == CRectTracker::hitNothing
                      ? tracker.TrackRubberBand(this, point)
                      : tracker.Track(this, point);
        tracker.m_rect.NormalizeRect();
    }
    CRectTracker tracker;
    BOOL changed = FALSE;
};

CRect trackedRect(HWND d) {
    return static_cast<LayoutDialog*>(CWnd::FromHandle(d))->tracker.m_rect;
}

TEST(RectTrackerDrag, TheScriptedUsersDragMovesResizesAndDrawsTheRectangle) {
    winScriptNextDialog(
        kTrackerDialog,
        Script()
            .drag(0, {50, 40}, {70, 50})  // inside: moved by (20, 10)
            .then([](HWND d) { EXPECT_EQ(text(trackedRect(d)), text(CRect(40, 30, 100, 70))); })
            .drag(0, {102, 72}, {132, 92})  // the bottom-right handle: only that corner moves
            .then([](HWND d) { EXPECT_EQ(text(trackedRect(d)), text(CRect(40, 30, 130, 90))); })
            .drag(0, {200, 150}, {170, 120})  // beside it: a new rectangle, dragged up-left
            .then([](HWND d) {
                EXPECT_EQ(text(trackedRect(d)), text(CRect(170, 120, 200, 150)));
                EXPECT_TRUE(static_cast<LayoutDialog*>(CWnd::FromHandle(d))->changed);
            })
            .close());
    LayoutDialog dialog;
    dialog.DoModal();
}

}  // namespace
