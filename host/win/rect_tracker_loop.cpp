// The tracker's window forms: the cursor over a window and tracking loops that read the mouse
// from the window system's message queue.
#include "cwnd.h"
#include "gdi_cursor.h"
#include "message_pump.h"
#include "rect_tracker.h"
#include "window_api.h"
#include "window_geometry.h"

namespace {

constexpr UINT kHitClient = 1;  // HTCLIENT
constexpr WPARAM kEscape = 0x1B;

// The next mouse step of a drag in `window`, read from the queue; other messages are
// dispatched on the way. False when the queue runs dry (the drag ends there).
bool nextStep(HWND window, CRectTracker::DragStep& step) {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        switch (msg.message) {
            case WM_MOUSEMOVE:
            case WM_LBUTTONUP:
                if (msg.hwnd != window) MapWindowPoints(msg.hwnd, window, &p, 1);
                step.point = p;
                step.kind = msg.message == WM_MOUSEMOVE ? CRectTracker::DragStep::Move
                                                        : CRectTracker::DragStep::Release;
                return true;
            case WM_KEYDOWN:
                if (msg.wParam != kEscape) break;
                [[fallthrough]];
            case WM_RBUTTONDOWN:
                step.kind = CRectTracker::DragStep::Cancel;
                return true;
            default:
                DispatchMessage(&msg);
                break;
        }
    }
    return false;
}

}  // namespace

BOOL CRectTracker::SetCursor(CWnd* window, UINT hitTest) const {
    if (window == nullptr || hitTest != kHitClient) return FALSE;
    POINT p;
    if (!GetCursorPos(&p) || !ScreenToClient(window->GetSafeHwnd(), &p)) return FALSE;
    const int hit = HitTest(CPoint(p));
    if (hit < 0) return FALSE;
    ::SetCursor(LoadCursor(nullptr, CursorFor(NormalizeHit(hit))));
    return TRUE;
}

BOOL CRectTracker::Track(CWnd* window, CPoint point, BOOL allowInvert, CWnd* /*clipTo*/) {
    const int handle = HitTest(point);
    if (window == nullptr || handle < 0) return FALSE;
    m_bAllowInvert = allowInvert;
    HWND h = window->GetSafeHwnd();
    return TrackSteps(handle, point, [h](DragStep& step) { return nextStep(h, step); });
}

BOOL CRectTracker::TrackRubberBand(CWnd* window, CPoint point, BOOL allowInvert) {
    if (window == nullptr) return FALSE;
    m_bAllowInvert = allowInvert;
    m_rect = CRect(point.x, point.y, point.x, point.y);
    HWND h = window->GetSafeHwnd();
    return TrackSteps(hitBottomRight, point, [h](DragStep& step) { return nextStep(h, step); });
}
