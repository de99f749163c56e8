#include "dialog_items.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "keyboard_state.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"
#include "window_geometry.h"
#include "window_tree.h"

namespace {

constexpr int kBaseX = 6;
constexpr int kBaseY = 13;

bool isPage(const WinWindow& w) {
    return (w.exStyle & WS_EX_CONTROLPARENT) ||
           (winSameClassName(w.className, WC_DIALOG) && (w.style & WS_CHILD));
}

void collectItems(HWND parent, std::vector<HWND>& out) {
    WinWindow* p = winWindowData(parent);
    if (p == nullptr) return;
    for (HWND c : p->children) {
        WinWindow* w = winWindowData(c);
        if (!(w->style & WS_VISIBLE)) continue;
        if (isPage(*w)) {
            collectItems(c, out);
        } else {
            out.push_back(c);
        }
    }
}

bool tabStop(HWND h) {
    WinWindow* w = winWindowData(h);
    return (w->style & WS_TABSTOP) && !(w->style & WS_DISABLED);
}

HWND focusedPushButton() {
    WinWindow* w = winWindowData(GetFocus());
    if (w == nullptr || !winSameClassName(w->className, WC_BUTTON)) return nullptr;
    DWORD kind = w->style & BS_TYPEMASK;
    return (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) ? w->handle : nullptr;
}

void pressDefault(HWND dialog) {
    HWND button = focusedPushButton();
    int id = button ? GetDlgCtrlID(button) : IDOK;
    if (button == nullptr) {
        LRESULT def = SendMessage(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(static_cast<DWORD_PTR>(def)) == DC_HASDEFID)
            id = LOWORD(static_cast<DWORD_PTR>(def));
        button = GetDlgItem(dialog, id);
        if (button && !IsWindowEnabled(button)) return;
    }
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                reinterpret_cast<LPARAM>(button));
}

bool wantsKey(HWND focus, WPARAM key) {
    LRESULT code = SendMessage(focus, WM_GETDLGCODE, key, 0);
    if (code & DLGC_WANTALLKEYS) return true;
    if (key == static_cast<WPARAM>(VK_TAB)) return (code & DLGC_WANTTAB) != 0;
    WinWindow* w = winWindowData(focus);
    return key == static_cast<WPARAM>(VK_RETURN) && w && winSameClassName(w->className, WC_EDIT) &&
           (w->style & ES_MULTILINE) && (w->style & ES_WANTRETURN);
}

bool dialogKey(HWND dialog, WPARAM key) {
    HWND focus = GetFocus();
    if (focus && wantsKey(focus, key)) return false;
    if (key == static_cast<WPARAM>(VK_TAB)) {
        HWND next = GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0);
        if (next) {
            SetFocus(next);
            WinWindow* w = winWindowData(next);
            if (w && winSameClassName(w->className, WC_EDIT)) SendMessage(next, EM_SETSEL, 0, -1);
        }
        return true;
    }
    if (key == static_cast<WPARAM>(VK_RETURN)) {
        pressDefault(dialog);
        return true;
    }
    if (key == static_cast<WPARAM>(VK_ESCAPE)) {
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    }
    return false;
}

}  // namespace

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND b = GetDlgItem(dialog, id);
    if (b == nullptr) return FALSE;
    SendMessage(b, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendMessage(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check) {
    for (int id = first; id <= last; ++id) {
        if (HWND b = GetDlgItem(dialog, id))
            SendMessage(b, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
    return SetWindowText(GetDlgItem(dialog, id), text);
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size) {
    HWND item = GetDlgItem(dialog, id);
    if (item == nullptr) {
        if (buffer && size > 0) buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowText(item, buffer, size));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    std::string text = isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
    return SetDlgItemText(dialog, id, text.c_str());
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* ok, BOOL isSigned) {
    std::string text = winGetText(GetDlgItem(dialog, id));
    size_t start = text.find_first_not_of(' ');
    char* end = nullptr;
    const char* begin = start == std::string::npos ? "" : text.c_str() + start;
    long long v = std::strtoll(begin, &end, 10);
    bool good = end != begin && (*end == '\0' || *end == ' ') && (isSigned || v >= 0);
    if (ok) *ok = good ? TRUE : FALSE;
    return good ? static_cast<UINT>(v) : 0;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendMessage(GetDlgItem(dialog, id), msg, wParam, lParam);
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> items;
    collectItems(dialog, items);
    int n = static_cast<int>(items.size());
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (items[static_cast<size_t>(i)] == control) at = i;
    }
    if (at < 0) at = previous ? 0 : n - 1;
    for (int k = 1; k <= n; ++k) {
        int i = ((previous ? at - k : at + k) % n + n) % n;
        if (tabStop(items[static_cast<size_t>(i)])) return items[static_cast<size_t>(i)];
    }
    return nullptr;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    HWND h = control;
    for (int guard = 0; guard < 1000; ++guard) {
        HWND next = GetWindow(h, previous ? GW_HWNDPREV : GW_HWNDNEXT);
        if (next == nullptr || (!previous && (GetWindowLongPtr(next, GWL_STYLE) & WS_GROUP))) {
            return dialog ? control : nullptr;
        }
        if (IsWindowVisible(next) && IsWindowEnabled(next)) return next;
        h = next;
    }
    return control;
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg) {
    if (msg == nullptr || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    if (msg->message == WM_KEYDOWN) return dialogKey(dialog, msg->wParam) ? TRUE : FALSE;
    if (msg->message == WM_CHAR) {
        WPARAM c = msg->wParam;
        bool navigation = c == '\t' || c == '\r' || c == 0x1B;
        return navigation && !wantsKey(GetFocus(), c == '\t'   ? VK_TAB
                                                   : c == '\r' ? VK_RETURN
                                                               : VK_ESCAPE);
    }
    return FALSE;
}

int winDluToPixelsX(int dlu) {
    return MulDiv(dlu, kBaseX, 4);
}
int winDluToPixelsY(int dlu) {
    return MulDiv(dlu, kBaseY, 8);
}

BOOL MapDialogRect(HWND /*dialog*/, LPRECT r) {
    if (r == nullptr) return FALSE;
    *r = RECT{winDluToPixelsX(r->left), winDluToPixelsY(r->top), winDluToPixelsX(r->right),
              winDluToPixelsY(r->bottom)};
    return TRUE;
}

LONG GetDialogBaseUnits() {
    return static_cast<LONG>(MAKELONG(kBaseX, kBaseY));
}

LRESULT winDialogProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            SendMessage(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(h, IDCANCEL)));
            return 0;
        case DM_GETDEFID:
            return MAKELONG(IDOK, static_cast<WORD>(DC_HASDEFID));
        case WM_NEXTDLGCTL:
            SetFocus(lParam ? reinterpret_cast<HWND>(wParam)
                            : GetNextDlgTabItem(h, GetFocus(), wParam ? TRUE : FALSE));
            return 0;
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}
