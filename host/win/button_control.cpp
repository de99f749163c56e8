// The BUTTON class: push buttons, check boxes (two and three states), radio buttons and
// group boxes. Auto kinds change their own state on a click; radio buttons of one group
// (from a WS_GROUP sibling to the next) uncheck each other.
#include "control_common.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"
#include "window_geometry.h"

namespace {

DWORD kindOf(const WinWindow& w) {
    return w.style & BS_TYPEMASK;
}

bool isRadio(const WinWindow& w) {
    DWORD k = kindOf(w);
    return w.className == WC_BUTTON && (k == BS_RADIOBUTTON || k == BS_AUTORADIOBUTTON);
}

// The siblings of the group that `h` belongs to.
std::vector<HWND> groupOf(HWND h) {
    WinWindow* w = winWindowData(h);
    WinWindow* p = winWindowData(w->parent);
    if (p == nullptr) return {h};
    const auto& kids = p->children;
    size_t at = 0;
    while (kids[at] != h) ++at;
    size_t first = at;
    while (first > 0 && !(winWindowData(kids[first])->style & WS_GROUP)) --first;
    std::vector<HWND> group;
    for (size_t i = first; i < kids.size(); ++i) {
        if (i > first && (winWindowData(kids[i])->style & WS_GROUP)) break;
        group.push_back(kids[i]);
    }
    return group;
}

void checkRadioInGroup(HWND h) {
    for (HWND s : groupOf(h)) {
        WinWindow* w = winWindowData(s);
        if (w && isRadio(*w)) w->state.check = (s == h) ? BST_CHECKED : BST_UNCHECKED;
    }
}

void click(HWND h) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || (w->style & WS_DISABLED)) return;
    switch (kindOf(*w)) {
        case BS_AUTOCHECKBOX:
            w->state.check = w->state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
            break;
        case BS_AUTO3STATE:
            w->state.check = (w->state.check + 1) % 3;
            break;
        case BS_AUTORADIOBUTTON:
            checkRadioInGroup(h);
            break;
        case BS_GROUPBOX:
            return;
        default:
            break;
    }
    winNotifyCommand(h, BN_CLICKED);
}

LRESULT setImage(WinWindow& w, WPARAM type, LPARAM image) {
    HANDLE old = w.state.image;
    w.state.image = reinterpret_cast<HANDLE>(image);
    w.state.imageType = static_cast<UINT>(type);
    return reinterpret_cast<LRESULT>(old);
}

LRESULT mouse(HWND h, WinWindow& w, UINT msg) {
    if (msg == WM_LBUTTONDOWN) {
        w.state.pushed = true;
        SetFocus(h);
        return 0;
    }
    if (winWindowData(h) == nullptr || !w.state.pushed) return 0;
    w.state.pushed = false;
    click(h);
    return 0;
}

}  // namespace

LRESULT winButtonProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    switch (msg) {
        case BM_GETCHECK:
            return w->state.check;
        case BM_SETCHECK:
            w->state.check = static_cast<int>(wParam);
            if (isRadio(*w) && w->state.check != BST_UNCHECKED) w->state.check = BST_CHECKED;
            return 0;
        case BM_GETSTATE:
            return w->state.check | (w->state.pushed ? BST_PUSHED : 0) |
                   (GetFocus() == h ? BST_FOCUS : 0);
        case BM_SETSTATE:
            w->state.pushed = wParam != 0;
            return 0;
        case BM_SETSTYLE:
            w->style = (w->style & 0xFFFF0000u) | LOWORD(wParam);
            if (lParam) InvalidateRect(h, nullptr, TRUE);
            return 0;
        case BM_CLICK:
            click(h);
            return 0;
        case BM_GETIMAGE:
            return reinterpret_cast<LRESULT>(w->state.image);
        case BM_SETIMAGE:
            return setImage(*w, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return mouse(h, *w, msg);
        case WM_KEYUP:
            if (wParam == static_cast<WPARAM>(VK_SPACE)) click(h);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (w->style & BS_NOTIFY)
                winNotifyCommand(h, msg == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
            return 0;
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}

LRESULT winStaticProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    switch (msg) {
        case STM_SETIMAGE:
        case STM_SETICON:
            return setImage(*w, msg == STM_SETICON ? 1 : wParam,
                            msg == STM_SETICON ? static_cast<LPARAM>(wParam) : lParam);
        case STM_GETIMAGE:
        case STM_GETICON:
            return reinterpret_cast<LRESULT>(w->state.image);
        case WM_LBUTTONUP:
            if (w->style & SS_NOTIFY) winNotifyCommand(h, STN_CLICKED);
            return 0;
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}

LRESULT winToolTipProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(h, msg, wParam, lParam);
}

LRESULT winFrameProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(h, msg, wParam, lParam);
}
