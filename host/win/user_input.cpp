// The scripted user's keyboard and mouse, and the dispatch of script steps.
#include <algorithm>

#include "keyboard_state.h"
#include "message_pump.h"
#include "timers.h"
#include "user_actions.h"
#include "user_failures.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"
#include "window_geometry.h"
#include "window_tree.h"

namespace {

// Holds Shift and Ctrl for the lifetime of the object.
class HeldKeys {
  public:
    explicit HeldKeys(UINT modifiers)
        : shift_(modifiers & MK_SHIFT), control_(modifiers & MK_CONTROL) {
        if (shift_) winSetKeyDown(VK_SHIFT, true);
        if (control_) winSetKeyDown(VK_CONTROL, true);
    }
    ~HeldKeys() {
        if (shift_) winSetKeyDown(VK_SHIFT, false);
        if (control_) winSetKeyDown(VK_CONTROL, false);
    }

  private:
    bool shift_;
    bool control_;
};

void deliver(HWND target, UINT msg, WPARAM wParam, LPARAM lParam) {
    winDeliverInput(target, msg, wParam, lParam);
}

int charOf(int vk, bool shift) {
    if (vk >= 'A' && vk <= 'Z') return shift ? vk : vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9') return vk;
    switch (vk) {
        case VK_SPACE:
            return ' ';
        case VK_RETURN:
            return '\r';
        case VK_TAB:
            return '\t';
        case VK_ESCAPE:
            return 0x1B;
        case VK_BACK:
            return '\b';
        default:
            return 0;
    }
}

// Mouse messages pass through statics without SS_NOTIFY and group boxes, as on the platform.
bool transparent(const WinWindow& w) {
    if (winSameClassName(w.className, WC_STATIC)) return !(w.style & SS_NOTIFY);
    return winSameClassName(w.className, WC_BUTTON) && (w.style & BS_TYPEMASK) == BS_GROUPBOX;
}

HWND hitTest(HWND h, POINT screen) {
    WinWindow* w = winWindowData(h);
    for (HWND c : w->children) {
        WinWindow* cw = winWindowData(c);
        RECT r;
        GetWindowRect(c, &r);
        if (!(cw->style & WS_VISIBLE) || (cw->style & WS_DISABLED) || !PtInRect(&r, screen))
            continue;
        if (transparent(*cw)) continue;
        return hitTest(c, screen);
    }
    return h;
}

LPARAM clientPoint(HWND target, POINT screen) {
    ScreenToClient(target, &screen);
    return MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
}

UINT buttonFlag(UINT msg) {
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) return MK_LBUTTON;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) return MK_RBUTTON;
    return 0;
}

// The window under `point` (client point of `control`) and the point on screen.
HWND aim(HWND dialog, int control, POINT point, POINT& screen) {
    HWND base = control == 0 ? dialog : winFindControl(dialog, control);
    if (base == nullptr || !IsWindowVisible(base)) {
        winReportUserFailure("control " + std::to_string(control) + " cannot be pointed at");
        return nullptr;
    }
    screen = point;
    ClientToScreen(base, &screen);
    SetCursorPos(screen.x, screen.y);
    if (HWND captured = GetCapture()) return captured;
    RECT r;
    GetWindowRect(dialog, &r);
    if (!PtInRect(&r, screen)) {
        winReportUserFailure("the point is outside the dialog");
        return nullptr;
    }
    return hitTest(dialog, screen);
}

void mouseAt(HWND target, UINT msg, POINT screen, UINT flags) {
    SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                MAKELPARAM(HTCLIENT, static_cast<WORD>(msg)));
    if (IsWindow(target)) deliver(target, msg, flags, clientPoint(target, screen));
}

bool answerOutOfPlace(const UserAction& a) {
    winReportUserFailure(
        a.kind == UserAction::Kind::Answer       ? "an answer step found no message box open"
        : a.kind == UserAction::Kind::MenuChoice ? "a menu step found no popup menu open"
                                                 : "a files step found no file chooser open");
    return false;
}

}  // namespace

bool userKey(HWND dialog, int vk, UINT modifiers) {
    if (!IsWindow(dialog)) return false;
    HeldKeys held(modifiers);
    HWND focus = GetFocus();
    HWND target = (focus == dialog || IsChild(dialog, focus)) ? focus : dialog;
    deliver(target, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
    int c = charOf(vk, (modifiers & MK_SHIFT) != 0);
    if (c != 0 && IsWindow(target)) deliver(target, WM_CHAR, static_cast<WPARAM>(c), 1);
    if (IsWindow(target)) deliver(target, WM_KEYUP, static_cast<WPARAM>(vk), 1);
    winPumpMessages();
    return true;
}

bool userMouse(HWND dialog, int control, UINT msg, POINT point, UINT modifiers) {
    POINT screen;
    HWND target = aim(dialog, control, point, screen);
    if (target == nullptr) return false;
    HeldKeys held(modifiers);
    mouseAt(target, msg, screen, modifiers | buttonFlag(msg));
    winPumpMessages();
    return true;
}

bool userDrag(HWND dialog, int control, POINT from, POINT to, UINT modifiers) {
    POINT start;
    HWND target = aim(dialog, control, from, start);
    if (target == nullptr) return false;
    POINT end = to;
    ClientToScreen(control == 0 ? dialog : winFindControl(dialog, control), &end);
    POINT middle{(start.x + end.x) / 2, (start.y + end.y) / 2};
    HeldKeys held(modifiers);
    PostMessage(target, WM_MOUSEMOVE, MK_LBUTTON | modifiers, clientPoint(target, middle));
    PostMessage(target, WM_MOUSEMOVE, MK_LBUTTON | modifiers, clientPoint(target, end));
    PostMessage(target, WM_LBUTTONUP, modifiers, clientPoint(target, end));
    mouseAt(target, WM_LBUTTONDOWN, start, MK_LBUTTON | modifiers);
    SetCursorPos(end.x, end.y);
    winPumpMessages();
    return true;
}

bool userRightClick(HWND dialog, int control, POINT point, UINT modifiers) {
    POINT screen;
    HWND target = aim(dialog, control, point, screen);
    if (target == nullptr) return false;
    HeldKeys held(modifiers);
    mouseAt(target, WM_RBUTTONDOWN, screen, MK_RBUTTON | modifiers);
    if (IsWindow(target)) deliver(target, WM_RBUTTONUP, modifiers, clientPoint(target, screen));
    winPumpMessages();
    return true;
}

bool userResize(HWND dialog, int width, int height) {
    RECT r;
    if (!GetWindowRect(dialog, &r)) return false;
    MINMAXINFO info;
    info.ptMaxSize = POINT{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    info.ptMinTrackSize = POINT{112, 27};
    info.ptMaxTrackSize = POINT{info.ptMaxSize.x + 12, info.ptMaxSize.y + 12};
    SendMessage(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    width = std::clamp<int>(width, info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
    height = std::clamp<int>(height, info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
    SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    winPumpMessages();
    return true;
}

bool winPerformAction(HWND dialog, const UserAction& a) {
    using K = UserAction::Kind;
    switch (a.kind) {
        case K::Click:
            return userClick(dialog, a.control);
        case K::DoubleClick:
            return userDoubleClick(dialog, a.control, a.text);
        case K::Type:
            return userType(dialog, a.control, a.text);
        case K::Leave:
            return userLeave(dialog, a.control);
        case K::Choose:
            return userChoose(dialog, a.control, a.text);
        case K::ChooseIndex:
            return userChooseIndex(dialog, a.control, a.index);
        case K::SelectTab:
            return userSelectTab(dialog, a.control, a.index);
        case K::Key:
            return userKey(dialog, a.key, a.modifiers);
        case K::Mouse:
            return userMouse(dialog, a.control, a.message, a.point, a.modifiers);
        case K::Drag:
            return userDrag(dialog, a.control, a.point, a.point2, a.modifiers);
        case K::RightClick:
            return userRightClick(dialog, a.control, a.point, a.modifiers);
        case K::Close:
            return userClose(dialog);
        case K::Resize:
            return userResize(dialog, a.point.x, a.point.y);
        case K::Wait:
            winAdvanceClock(static_cast<DWORD>(a.index));
            return true;
        case K::Call:
            if (a.call) a.call(dialog);
            return true;
        case K::MenuChoice:
        case K::Answer:
        case K::Files:
            return answerOutOfPlace(a);
    }
    return false;
}
