// The default handling of messages, window text and the window's stored values.
#include <cstring>

#include "control_paint.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_geometry.h"
#include "window_tree.h"

namespace {

int copyText(const std::string& text, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    int n = static_cast<int>(text.size());
    if (n > size - 1) n = size - 1;
    std::memcpy(buffer, text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

LRESULT defaultTextMessage(WinWindow& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SETTEXT:
            w.text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
            return TRUE;
        case WM_GETTEXT:
            return copyText(w.text, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w.text.size());
        default:
            return 0;
    }
}

}  // namespace

LRESULT DefWindowProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    switch (msg) {
        case WM_SETTEXT:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            return defaultTextMessage(*w, msg, wParam, lParam);
        case WM_NCCREATE:
        case WM_ERASEBKGND:
            return TRUE;
        case WM_SETFONT:
            w->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(w->font);
        case WM_SETREDRAW:
            w->redraw = wParam != 0;
            return 0;
        case WM_CLOSE:
            DestroyWindow(h);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) SendMessage(h, WM_CLOSE, 0, 0);
            return 0;
        case WM_CONTEXTMENU:
        case WM_SETCURSOR:
            // A child leaves these to its parent first, as the platform does.
            if (w->style & WS_CHILD) return SendMessage(w->parent, msg, wParam, lParam);
            return 0;
        case WM_PAINT:
            w->invalidations = 0;
            winPaintBuiltInControl(h);
            return 0;
        case WM_RBUTTONUP: {
            POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(h, &screen);
            SendMessage(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h),
                        MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
            return 0;
        }
        default:
            return 0;
    }
}

BOOL SetWindowText(HWND h, LPCSTR text) {
    if (!IsWindow(h)) return FALSE;
    return SendMessage(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND h, LPSTR buffer, int size) {
    return static_cast<int>(
        SendMessage(h, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND h) {
    return static_cast<int>(SendMessage(h, WM_GETTEXTLENGTH));
}

std::string winGetText(HWND h) {
    int n = GetWindowTextLength(h);
    if (n <= 0) return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowText(h, text.data(), n + 1)));
    return text;
}

LONG_PTR GetWindowLongPtr(HWND h, int index) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG_PTR>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(w->exStyle);
        case GWL_ID:
            return w->id;
        case GWLP_USERDATA:
            return w->userData;
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        default:
            return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND h, int index, LONG_PTR value) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    LONG_PTR old = GetWindowLongPtr(h, index);
    switch (index) {
        case GWL_STYLE:
            w->style = static_cast<DWORD>(value);
            break;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            break;
        case GWL_ID:
            w->id = static_cast<int>(value);
            break;
        case GWLP_USERDATA:
            w->userData = value;
            break;
        case GWLP_WNDPROC:
            w->proc = reinterpret_cast<WNDPROC>(value);
            break;
        default:
            return 0;
    }
    return old;
}
