// The scripted user's actions on controls: click, type, leave, choose, tabs, close.
#include "user_actions.h"

#include "control_common.h"
#include "dialog_items.h"
#include "message_pump.h"
#include "timers.h"
#include "user_failures.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"
#include "window_geometry.h"
#include "window_tree.h"

namespace {

bool fail(const std::string& what) {
    winReportUserFailure(what);
    return false;
}

void findIn(HWND parent, int id, HWND& visible, HWND& any) {
    WinWindow* p = winWindowData(parent);
    if (p == nullptr) return;
    for (HWND c : p->children) {
        WinWindow* w = winWindowData(c);
        if (w->id == id) {
            if (!any) any = c;
            if (!visible && IsWindowVisible(c)) visible = c;
        }
        findIn(c, id, visible, any);
    }
}

// The control a person can use, or nullptr after reporting why not.
HWND usable(HWND dialog, int id) {
    HWND h = id == 0 ? dialog : winFindControl(dialog, id);
    std::string name = "control " + std::to_string(id);
    if (h == nullptr) return fail(name + " does not exist"), nullptr;
    if (!IsWindowVisible(h)) return fail(name + " is hidden"), nullptr;
    if (!IsWindowEnabled(h)) return fail(name + " is disabled"), nullptr;
    return h;
}

bool isClass(HWND h, const char* name) {
    WinWindow* w = winWindowData(h);
    return w && winSameClassName(w->className, name);
}

void deliver(HWND target, UINT msg, WPARAM wParam, LPARAM lParam) {
    winDeliverInput(target, msg, wParam, lParam);
}

int exactItem(HWND h, const std::string& item) {
    WinWindow* w = winWindowData(h);
    for (size_t i = 0; i < w->state.items.size(); ++i) {
        if (w->state.items[i].text == item) return static_cast<int>(i);
    }
    return -1;
}

void selectListViewItem(HWND h, int index) {
    LVITEM off;
    off.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    WinWindow* w = winWindowData(h);
    for (size_t i = 0; i < w->state.items.size(); ++i) {
        if (static_cast<int>(i) != index)
            SendMessage(h, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&off));
    }
    LVITEM on;
    on.state = on.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(h, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&on));
}

void notifyListView(HWND h, UINT code, int index) {
    NMLISTVIEW nm;
    nm.iItem = index;
    winNotifyParent(h, code, &nm.hdr);
}

bool chooseAt(HWND h, int index, bool doubleClick) {
    SetFocus(h);
    if (isClass(h, WC_COMBOBOX)) {
        winNotifyCommand(h, CBN_DROPDOWN);
        SendMessage(h, CB_SETCURSEL, static_cast<WPARAM>(index));
        winNotifyCommand(h, CBN_SELCHANGE);
        winNotifyCommand(h, CBN_SELENDOK);
        winNotifyCommand(h, CBN_CLOSEUP);
        return true;
    }
    if (isClass(h, WC_LISTBOX)) {
        WinWindow* w = winWindowData(h);
        bool multi = (w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
        if (multi)
            SendMessage(h, LB_SETSEL, 1, index);
        else
            SendMessage(h, LB_SETCURSEL, static_cast<WPARAM>(index));
        if (w->style & LBS_NOTIFY) winNotifyCommand(h, doubleClick ? LBN_DBLCLK : LBN_SELCHANGE);
        return true;
    }
    selectListViewItem(h, index);
    notifyListView(h, doubleClick ? NM_DBLCLK : NM_CLICK, index);
    return true;
}

bool hasItems(HWND h) {
    return isClass(h, WC_COMBOBOX) || isClass(h, WC_LISTBOX) || isClass(h, WC_LISTVIEW);
}

}  // namespace

HWND winFindControl(HWND dialog, int id) {
    HWND visible = nullptr;
    HWND any = nullptr;
    findIn(dialog, id, visible, any);
    return visible ? visible : any;
}

bool userClick(HWND dialog, int control) {
    HWND h = usable(dialog, control);
    if (h == nullptr) return false;
    RECT r;
    GetClientRect(h, &r);
    POINT centre{r.right / 2, r.bottom / 2};
    POINT screen = centre;
    ClientToScreen(h, &screen);
    SetCursorPos(screen.x, screen.y);
    LPARAM at = MAKELPARAM(static_cast<WORD>(centre.x), static_cast<WORD>(centre.y));
    deliver(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    deliver(h, WM_LBUTTONUP, 0, at);
    winPumpMessages();
    return true;
}

bool userDoubleClick(HWND dialog, int control, const std::string& item) {
    HWND h = usable(dialog, control);
    if (h == nullptr) return false;
    if (item.empty() || !hasItems(h)) {
        deliver(h, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
        winPumpMessages();
        return true;
    }
    int index = exactItem(h, item);
    if (index < 0)
        return fail("\"" + item + "\" is not an item of control " + std::to_string(control));
    chooseAt(h, index, true);
    winPumpMessages();
    return true;
}

bool userType(HWND dialog, int control, const std::string& text) {
    HWND h = usable(dialog, control);
    if (h == nullptr) return false;
    WinWindow* w = winWindowData(h);
    bool combo = isClass(h, WC_COMBOBOX);
    if ((!combo && !isClass(h, WC_EDIT)) || (combo && (w->style & 0x3) == CBS_DROPDOWNLIST)) {
        return fail("control " + std::to_string(control) + " takes no typing");
    }
    if (w->style & ES_READONLY && !combo)
        return fail("control " + std::to_string(control) + " is read-only");
    SetFocus(h);
    if (combo)
        SendMessage(h, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    else
        SendMessage(h, EM_SETSEL, 0, -1);
    if (text.empty() && !winGetText(h).empty()) deliver(h, WM_CHAR, '\b', 1);
    for (char c : text) {
        if (!IsWindow(h)) break;
        deliver(h, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    winPumpMessages();
    return true;
}

bool userLeave(HWND dialog, int control) {
    HWND h = usable(dialog, control);
    if (h == nullptr) return false;
    if (GetFocus() != h) SetFocus(h);
    HWND next = GetNextDlgTabItem(dialog, h, FALSE);
    SetFocus(next && next != h ? next : dialog);
    winPumpMessages();
    return true;
}

bool userChoose(HWND dialog, int control, const std::string& item) {
    HWND h = usable(dialog, control);
    if (h == nullptr) return false;
    if (!hasItems(h)) return fail("control " + std::to_string(control) + " has no items");
    int index = exactItem(h, item);
    if (index < 0)
        return fail("\"" + item + "\" is not an item of control " + std::to_string(control));
    chooseAt(h, index, false);
    winPumpMessages();
    return true;
}

bool userChooseIndex(HWND dialog, int control, int index) {
    HWND h = usable(dialog, control);
    if (h == nullptr) return false;
    if (!hasItems(h)) return fail("control " + std::to_string(control) + " has no items");
    WinWindow* w = winWindowData(h);
    if (index < 0 || index >= static_cast<int>(w->state.items.size())) {
        return fail("control " + std::to_string(control) + " has no item " + std::to_string(index));
    }
    chooseAt(h, index, false);
    winPumpMessages();
    return true;
}

bool userSelectTab(HWND dialog, int control, int index) {
    HWND h = usable(dialog, control);
    if (h == nullptr) return false;
    LRESULT count = SendMessage(h, TCM_GETITEMCOUNT);
    if (!isClass(h, WC_TABCONTROL) || index < 0 || index >= count) {
        return fail("control " + std::to_string(control) + " has no tab " + std::to_string(index));
    }
    NMHDR header;
    if (winNotifyParent(h, TCN_SELCHANGING, &header) != 0) return true;
    SendMessage(h, TCM_SETCURSEL, static_cast<WPARAM>(index));
    winNotifyParent(h, TCN_SELCHANGE, &header);
    winPumpMessages();
    return true;
}

bool userClose(HWND dialog) {
    if (!IsWindow(dialog)) return fail("the dialog is gone");
    SendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    winPumpMessages();
    return true;
}
