#include "window_api.h"

#include <cstring>

#include "cwnd.h"
#include "failure_injection.h"
#include "gdi_objects.h"
#include "message_pump.h"
#include "timers.h"
#include "win_driver.h"
#include "window_class.h"
#include "window_geometry.h"
#include "window_paint.h"
#include "window_tree.h"

namespace {

struct Session {
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
    HWND mainWindow = nullptr;
    HWND desktop = nullptr;
    std::function<void(HWND)> creationHook;
};

Session& session() {
    static Session s;
    return s;
}

void fillWindow(WinWindow& w, DWORD exStyle, const WinClassInfo& cls, LPCSTR name, DWORD style,
                RECT rect, HMENU menuOrId) {
    w.className = cls.name;
    w.proc = cls.proc;
    w.style = style;
    w.exStyle = exStyle;
    w.text = name ? name : "";
    w.rect = rect;
    if (style & WS_CHILD) w.id = static_cast<int>(reinterpret_cast<INT_PTR>(menuOrId));
}

bool sendCreation(HWND h, CREATESTRUCT& cs) {
    LPARAM lp = reinterpret_cast<LPARAM>(&cs);
    if (SendMessage(h, WM_NCCREATE, 0, lp) == FALSE) return false;
    if (!IsWindow(h) || SendMessage(h, WM_CREATE, 0, lp) == -1) return false;
    return IsWindow(h) != FALSE;
}

void forgetWindow(HWND h) {
    Session& s = session();
    if (WinWindow* w = winWindowData(h); w && w->ownedFont) DeleteObject(w->ownedFont);
    if (s.focus == h) s.focus = nullptr;
    if (s.capture == h) s.capture = nullptr;
    if (s.active == h) s.active = nullptr;
    if (s.mainWindow == h) s.mainWindow = nullptr;
    if (s.desktop == h) s.desktop = nullptr;
    winTimersForgetWindow(h);
    winPaintForgetWindow(h);
    winForgetTemporaryObject(h);
    winPumpForgetWindow(h);
}

void destroyTree(HWND h) {
    for (HWND top : winTopLevelWindows()) {
        WinWindow* t = winWindowData(top);
        if (t != nullptr && t->owner == h && !t->destroying) DestroyWindow(top);
    }
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return;
    w->destroying = true;
    w->style &= ~WS_VISIBLE;
    SendMessage(h, WM_DESTROY, 0, 0);
    w = winWindowData(h);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) destroyTree(c);
    SendMessage(h, WM_NCDESTROY, 0, 0);
    forgetWindow(h);
    winRemoveWindow(h);
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                    LPVOID param) {
    std::function<void(HWND)> hook = std::move(session().creationHook);
    session().creationHook = nullptr;
    const WinClassInfo* cls = className ? winFindClass(className) : nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (cls == nullptr || (child && !IsWindow(parent))) return nullptr;
    if (winShouldFail(WinFailure::CreateWindow)) return nullptr;
    if (!child && parent != nullptr && !IsWindow(parent)) parent = nullptr;
    WinWindow& w = winAddWindow(child ? parent : nullptr, child ? nullptr : parent);
    fillWindow(w, exStyle, *cls, windowName, style, RECT{x, y, x + width, y + height}, menuOrId);
    HWND h = w.handle;
    if (hook) hook(h);
    CREATESTRUCT cs{
        param,      instance,  menuOrId, parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    if (!sendCreation(h, cs)) {
        if (IsWindow(h)) destroyTree(h);
        return nullptr;
    }
    RECT client;
    GetClientRect(h, &client);
    SendMessage(h, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
    return IsWindow(h) ? h : nullptr;
}

HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menuOrId,
                          instance, param);
}

BOOL DestroyWindow(HWND h) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || w->destroying) return FALSE;
    if (winShouldFail(WinFailure::DestroyWindow)) return FALSE;
    destroyTree(h);
    return TRUE;
}

BOOL IsWindow(HWND h) {
    return winWindowData(h) != nullptr ? TRUE : FALSE;
}

LRESULT SendMessage(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || w->proc == nullptr) return 0;
    return w->proc(h, msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(h, msg, wParam, lParam) : 0;
}

HWND GetParent(HWND h) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return nullptr;
    return (w->style & WS_CHILD) ? w->parent : w->owner;
}

HWND SetParent(HWND child, HWND newParent) {
    WinWindow* w = winWindowData(child);
    WinWindow* p = winWindowData(newParent);
    if (w == nullptr || p == nullptr || !(w->style & WS_CHILD)) return nullptr;
    HWND old = w->parent;
    if (WinWindow* o = winWindowData(old)) {
        std::erase(o->children, child);
    }
    p->children.push_back(child);
    w->parent = newParent;
    return old;
}

HWND GetWindow(HWND h, UINT relation) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return nullptr;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER) return w->owner;
    WinWindow* p = winWindowData(w->parent);
    std::vector<HWND> siblings = p ? p->children : winTopLevelWindows();
    if (siblings.empty()) return nullptr;
    if (relation == GW_HWNDFIRST) return siblings.front();
    if (relation == GW_HWNDLAST) return siblings.back();
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i] != h) continue;
        if (relation == GW_HWNDNEXT) return i + 1 < siblings.size() ? siblings[i + 1] : nullptr;
        if (relation == GW_HWNDPREV) return i > 0 ? siblings[i - 1] : nullptr;
    }
    return nullptr;
}

BOOL IsChild(HWND parent, HWND h) {
    for (WinWindow* w = winWindowData(h); w && (w->style & WS_CHILD);
         w = winWindowData(w->parent)) {
        if (w->parent == parent) return TRUE;
    }
    return FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
    WinWindow* w = winWindowData(dialog);
    if (w == nullptr) return nullptr;
    for (HWND c : w->children) {
        if (winWindowData(c)->id == id) return c;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND h) {
    WinWindow* w = winWindowData(h);
    return w ? w->id : 0;
}

int GetClassName(HWND h, LPSTR buffer, int size) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || buffer == nullptr || size <= 0) return 0;
    int n = static_cast<int>(w->className.size());
    if (n > size - 1) n = size - 1;
    std::memcpy(buffer, w->className.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

void winSetCreationHook(std::function<void(HWND)> hook) {
    session().creationHook = std::move(hook);
}

HWND adsw_acadMainWnd() {
    Session& s = session();
    if (!IsWindow(s.mainWindow)) {
        s.mainWindow =
            CreateWindowEx(0, "CadHostFrame", "Drawing1", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           1600, 1000, nullptr, nullptr, nullptr, nullptr);
    }
    return s.mainWindow;
}

HWND GetDesktopWindow() {
    Session& s = session();
    if (!IsWindow(s.desktop)) {
        s.desktop = CreateWindowEx(0, "CadHostFrame", "", WS_POPUP | WS_VISIBLE, 0, 0, 1920, 1080,
                                   nullptr, nullptr, nullptr, nullptr);
    }
    return s.desktop;
}

HWND SetFocus(HWND h) {
    Session& s = session();
    HWND previous = s.focus;
    if (h != nullptr && !IsWindow(h)) return nullptr;
    if (h == previous) return previous;
    s.focus = h;
    if (IsWindow(previous)) SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(h), 0);
    if (h != nullptr && s.focus == h) {
        SendMessage(h, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND GetFocus() {
    return session().focus;
}

HWND SetCapture(HWND h) {
    HWND previous = session().capture;
    session().capture = IsWindow(h) ? h : nullptr;
    if (previous && previous != h) SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return previous;
}

HWND GetCapture() {
    return session().capture;
}

BOOL ReleaseCapture() {
    HWND previous = session().capture;
    session().capture = nullptr;
    if (previous) SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetActiveWindow() {
    return session().active;
}

HWND SetActiveWindow(HWND h) {
    HWND previous = session().active;
    if (IsWindow(h)) session().active = h;
    return previous;
}

HWND GetForegroundWindow() {
    return session().active;
}
BOOL SetForegroundWindow(HWND h) {
    return SetActiveWindow(h), IsWindow(h);
}
BOOL BringWindowToTop(HWND h) {
    return IsWindow(h);
}

void winWindowApiReset() {
    session() = Session{};
}
