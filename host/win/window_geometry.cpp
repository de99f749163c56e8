#include "window_geometry.h"

#include <algorithm>

#include "win_driver.h"
#include "window_api.h"
#include "window_paint.h"
#include "window_tree.h"

namespace {

POINT gCursor{100, 100};

LPARAM packSize(const RECT& client) {
    return MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom));
}

bool containsScreenPoint(HWND h, POINT p) {
    RECT r;
    return GetWindowRect(h, &r) && PtInRect(&r, p);
}

HWND deepestAt(HWND h, POINT screen) {
    WinWindow* w = winWindowData(h);
    for (HWND child : w->children) {
        WinWindow* c = winWindowData(child);
        if ((c->style & WS_VISIBLE) && containsScreenPoint(child, screen))
            return deepestAt(child, screen);
    }
    return h;
}

}  // namespace

BOOL GetWindowRect(HWND h, LPRECT rect) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = w->rect;
    if ((w->style & WS_CHILD) && w->parent != nullptr) {
        POINT o = winClientOrigin(w->parent);
        OffsetRect(rect, o.x, o.y);
    }
    return TRUE;
}

BOOL GetClientRect(HWND h, LPRECT rect) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || rect == nullptr) return FALSE;
    WinFrame f = winFrameOf(w->style, w->exStyle);
    LONG width = w->rect.right - w->rect.left - 2 * f.border;
    LONG height = w->rect.bottom - w->rect.top - 2 * f.border - f.caption;
    *rect = RECT{0, 0, std::max<LONG>(width, 0), std::max<LONG>(height, 0)};
    return TRUE;
}

BOOL ScreenToClient(HWND h, LPPOINT point) {
    if (!IsWindow(h) || point == nullptr) return FALSE;
    POINT o = winClientOrigin(h);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

BOOL ClientToScreen(HWND h, LPPOINT point) {
    if (!IsWindow(h) || point == nullptr) return FALSE;
    POINT o = winClientOrigin(h);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a = from ? winClientOrigin(from) : POINT{};
    POINT b = to ? winClientOrigin(to) : POINT{};
    for (UINT i = 0; i < count; ++i) {
        points[i].x += a.x - b.x;
        points[i].y += a.y - b.y;
    }
    return MAKELONG(static_cast<WORD>(a.x - b.x), static_cast<WORD>(a.y - b.y));
}

BOOL MoveWindow(HWND h, int x, int y, int width, int height, BOOL repaint) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return FALSE;
    RECT old = w->rect;
    w->rect = RECT{x, y, x + width, y + height};
    if (old.left != x || old.top != y)
        SendMessage(h, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    bool resized = (old.right - old.left) != width || (old.bottom - old.top) != height;
    if (resized && IsWindow(h)) {
        RECT client;
        GetClientRect(h, &client);
        SendMessage(h, WM_SIZE, SIZE_RESTORED, packSize(client));
    }
    if (repaint) InvalidateRect(h, nullptr, TRUE);
    return TRUE;
}

BOOL SetWindowPos(HWND h, HWND /*insertAfter*/, int x, int y, int width, int height, UINT flags) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return FALSE;
    RECT r = w->rect;
    if (flags & SWP_NOMOVE) {
        x = r.left;
        y = r.top;
    }
    if (flags & SWP_NOSIZE) {
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    MoveWindow(h, x, y, width, height, (flags & SWP_NOREDRAW) ? FALSE : TRUE);
    if (flags & SWP_SHOWWINDOW) ShowWindow(h, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(h, SW_HIDE);
    return TRUE;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint) {
    WinWindow* w = winWindowData(parent);
    if (w == nullptr) return nullptr;
    RECT client;
    GetClientRect(parent, &client);
    if (!PtInRect(&client, clientPoint)) return nullptr;
    for (HWND child : w->children) {
        WinWindow* c = winWindowData(child);
        if ((c->style & WS_VISIBLE) && PtInRect(&c->rect, clientPoint)) return child;
    }
    return parent;
}

HWND WindowFromPoint(POINT screenPoint) {
    std::vector<HWND> tops = winTopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        WinWindow* w = winWindowData(*it);
        if (w && (w->style & WS_VISIBLE) && containsScreenPoint(*it, screenPoint)) {
            return deepestAt(*it, screenPoint);
        }
    }
    return nullptr;
}

BOOL ShowWindow(HWND h, int command) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return FALSE;
    bool was = (w->style & WS_VISIBLE) != 0;
    bool show = command != SW_HIDE;
    if (was == show) return was ? TRUE : FALSE;
    if (show) {
        w->style |= WS_VISIBLE;
    } else {
        w->style &= ~WS_VISIBLE;
    }
    SendMessage(h, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!show && (GetFocus() == h || IsChild(h, GetFocus()))) SetFocus(nullptr);
    return was ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND h) {
    for (WinWindow* w = winWindowData(h); w != nullptr; w = winWindowData(w->parent)) {
        if (!(w->style & WS_VISIBLE)) return FALSE;
        if (!(w->style & WS_CHILD)) return TRUE;
    }
    return h != nullptr && IsWindow(h);
}

BOOL EnableWindow(HWND h, BOOL enable) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return FALSE;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled ? TRUE : FALSE;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (GetFocus() == h) SetFocus(nullptr);
    }
    SendMessage(h, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND h) {
    WinWindow* w = winWindowData(h);
    return (w != nullptr && !(w->style & WS_DISABLED)) ? TRUE : FALSE;
}

BOOL InvalidateRect(HWND h, const RECT* /*rect*/, BOOL /*erase*/) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return FALSE;
    ++w->invalidations;
    return TRUE;
}

BOOL UpdateWindow(HWND h) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return FALSE;
    if (w->invalidations > 0) winPaint(h);
    return TRUE;
}

BOOL PtInRect(const RECT* r, POINT p) {
    return (r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom) ? TRUE
                                                                                       : FALSE;
}

BOOL OffsetRect(LPRECT r, int dx, int dy) {
    if (r == nullptr) return FALSE;
    *r = RECT{r->left + dx, r->top + dy, r->right + dx, r->bottom + dy};
    return TRUE;
}

BOOL SetRect(LPRECT r, int left, int top, int right, int bottom) {
    if (r == nullptr) return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL IsRectEmpty(const RECT* r) {
    return (r == nullptr || r->right <= r->left || r->bottom <= r->top) ? TRUE : FALSE;
}

BOOL InflateRect(LPRECT r, int dx, int dy) {
    if (r == nullptr) return FALSE;
    *r = RECT{r->left - dx, r->top - dy, r->right + dx, r->bottom + dy};
    return TRUE;
}

BOOL IntersectRect(LPRECT out, const RECT* a, const RECT* b) {
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) r = RECT{};
    *out = r;
    return IsRectEmpty(&r) ? FALSE : TRUE;
}

BOOL UnionRect(LPRECT out, const RECT* a, const RECT* b) {
    if (IsRectEmpty(a)) {
        *out = *b;
    } else if (IsRectEmpty(b)) {
        *out = *a;
    } else {
        *out = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                    std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return IsRectEmpty(out) ? FALSE : TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return (a->left == b->left && a->top == b->top && a->right == b->right &&
            a->bottom == b->bottom)
               ? TRUE
               : FALSE;
}

BOOL GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    *point = gCursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    gCursor = POINT{x, y};
    return TRUE;
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    long long p = static_cast<long long>(number) * numerator;
    long long half = (denominator > 0 ? denominator : -denominator) / 2;
    long long q = (p >= 0 ? p + half : p - half) / denominator;
    return static_cast<int>(q);
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return 1920;
        case SM_CYSCREEN:
            return 1080;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
            return 17;
        case SM_CYCAPTION:
            return winFrameOf(WS_CAPTION, 0).caption;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return winFrameOf(WS_DLGFRAME, 0).border;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return winFrameOf(WS_THICKFRAME, 0).border;
        default:
            return 0;
    }
}
