// The window system's C interface: creating and destroying windows, sending and posting
// messages, walking the tree, text, focus, capture. Geometry and visibility are in
// window_geometry.h, dialog-item helpers in dialog_items.h.
//
// Every function accepts a stale or null handle and then returns its failure value (nullptr,
// 0 or FALSE) without touching anything.
#pragma once

#include <functional>
#include <string>

#include "win_constants.h"

// Creates a window of a registered class. A child (WS_CHILD) takes `menuOrId` as its control
// id; a top-level window is owned by `parent`. Sends WM_NCCREATE, WM_CREATE (a window
// procedure refusing either destroys the window) and WM_SIZE. nullptr when the class is
// unknown, a child has no live parent, creation is made to fail, or the procedure refused.
HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                    LPVOID param);
HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param);
// Destroys the window, its owned windows and its children: WM_DESTROY goes to a window before
// its children, WM_NCDESTROY after them. Timers and posted messages of the destroyed windows
// are dropped, the focus and capture are cleared when inside. FALSE for a stale handle or
// when destruction is made to fail (the window then stays as it was).
BOOL DestroyWindow(HWND h);
BOOL IsWindow(HWND h);

// Runs the window's procedure now and returns its result; 0 for a stale handle.
LRESULT SendMessage(HWND h, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues the message for the message pump (message_pump.h). FALSE for a stale handle.
BOOL PostMessage(HWND h, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT DefWindowProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

HWND GetParent(HWND h);
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND h, UINT relation);
BOOL IsChild(HWND parent, HWND h);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND h);
int GetClassName(HWND h, LPSTR buffer, int size);
LONG_PTR GetWindowLongPtr(HWND h, int index);
LONG_PTR SetWindowLongPtr(HWND h, int index, LONG_PTR value);
inline LONG_PTR GetWindowLong(HWND h, int index) {
    return GetWindowLongPtr(h, index);
}
inline LONG_PTR SetWindowLong(HWND h, int index, LONG_PTR value) {
    return SetWindowLongPtr(h, index, value);
}

BOOL SetWindowText(HWND h, LPCSTR text);
int GetWindowText(HWND h, LPSTR buffer, int size);
int GetWindowTextLength(HWND h);
// The whole text of a window (empty for a stale handle).
std::string winGetText(HWND h);

HWND SetFocus(HWND h);
HWND GetFocus();
HWND SetCapture(HWND h);
HWND GetCapture();
BOOL ReleaseCapture();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND h);
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND h);
BOOL BringWindowToTop(HWND h);

// The host's main window and the desktop (both created on first use).
HWND adsw_acadMainWnd();
HWND GetDesktopWindow();

// The message queue (message_pump.cpp): a message loop of the module's own.
constexpr UINT PM_NOREMOVE = 0x0, PM_REMOVE = 0x1;
BOOL PeekMessage(LPMSG msg, HWND h, UINT filterMin, UINT filterMax, UINT remove);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
void PostQuitMessage(int exitCode);
