// Window rectangles, client areas, coordinate conversion, visibility and enabling.
//
// A captioned top-level window has a frame (border and caption bar) around its client area;
// a child page without caption or border has none, so its client area is its whole window.
#pragma once

#include "win_constants.h"

// Screen coordinates of the window; FALSE for a stale handle.
BOOL GetWindowRect(HWND h, LPRECT rect);
// The client area, origin (0,0).
BOOL GetClientRect(HWND h, LPRECT rect);
BOOL ScreenToClient(HWND h, LPPOINT point);
BOOL ClientToScreen(HWND h, LPPOINT point);
// Converts `count` points from the client coordinates of `from` to those of `to` (null means
// the screen).
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
// Places the window (coordinates as GetParent's client area, or the screen); sends WM_MOVE
// and WM_SIZE when those changed.
BOOL MoveWindow(HWND h, int x, int y, int width, int height, BOOL repaint = TRUE);
BOOL SetWindowPos(HWND h, HWND insertAfter, int x, int y, int width, int height, UINT flags);
// The visible child containing the client point, or the window itself; nullptr outside it.
HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);
// The deepest visible window at the screen point, searching the top-level windows from the
// newest.
HWND WindowFromPoint(POINT screenPoint);

// Returns whether the window was visible before. Sends WM_SHOWWINDOW when that changes.
BOOL ShowWindow(HWND h, int command);
// Visible itself and every parent visible.
BOOL IsWindowVisible(HWND h);
// Returns nonzero when the window was disabled before. Sends WM_ENABLE when that changes.
BOOL EnableWindow(HWND h, BOOL enable);
BOOL IsWindowEnabled(HWND h);
BOOL InvalidateRect(HWND h, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND h);

// A RECT from its four edges (RECT itself has no constructor).
inline RECT makeRect(int left, int top, int right, int bottom) {
    RECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

BOOL PtInRect(const RECT* rect, POINT point);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL IsRectEmpty(const RECT* rect);
BOOL InflateRect(LPRECT rect, int dx, int dy);
BOOL IntersectRect(LPRECT out, const RECT* a, const RECT* b);
BOOL UnionRect(LPRECT out, const RECT* a, const RECT* b);
BOOL EqualRect(const RECT* a, const RECT* b);
// The cursor position in screen coordinates (the scripted user's last mouse position).
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
int MulDiv(int number, int numerator, int denominator);

constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3,
              SM_CYCAPTION = 4, SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7,
              SM_CYDLGFRAME = 8, SM_CXFRAME = 32, SM_CYFRAME = 33;
int GetSystemMetrics(int index);
