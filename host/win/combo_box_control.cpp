// The COMBOBOX class: a list of items with one selection, and (for the drop-down and simple
// kinds) an edit field whose text is the window text. Selecting by code sends nothing; the
// scripted user's choice sends CBN_SELCHANGE (see scripted_user.h).
#include "control_common.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"

namespace {

bool editable(const WinWindow& w) {
    return (w.style & 0x3) != CBS_DROPDOWNLIST;
}

void showSelection(WinWindow& w) {
    auto& s = w.state;
    w.text = (s.curSel >= 0 && s.curSel < static_cast<int>(s.items.size()))
                 ? s.items[static_cast<size_t>(s.curSel)].text
                 : std::string();
    s.selStart = 0;
    s.selEnd = static_cast<DWORD>(w.text.size());
}

LRESULT setCurSel(WinWindow& w, WPARAM index) {
    bool valid = winItemIndexValid(w.state.items, index);
    w.state.curSel = valid ? static_cast<int>(index) : -1;
    showSelection(w);
    return valid ? static_cast<LRESULT>(index) : CB_ERR;
}

LRESULT deleteItem(WinWindow& w, WPARAM index) {
    auto& s = w.state;
    if (!winItemIndexValid(s.items, index)) return CB_ERR;
    s.items.erase(s.items.begin() + static_cast<long>(index));
    int i = static_cast<int>(index);
    if (s.curSel == i) {
        s.curSel = -1;
        if (!editable(w)) w.text.clear();
    } else if (s.curSel > i) {
        --s.curSel;
    }
    return static_cast<LRESULT>(s.items.size());
}

LRESULT insertItem(WinWindow& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::string text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
    auto& s = w.state;
    int index = msg == CB_ADDSTRING
                    ? winItemsAdd(s.items, text, (w.style & CBS_SORT) != 0)
                    : winItemsInsert(s.items, static_cast<int>(static_cast<INT_PTR>(wParam)), text);
    if (index >= 0 && s.curSel >= index) ++s.curSel;
    return index < 0 ? CB_ERR : index;
}

LRESULT typeChar(HWND h, WinWindow& w, char c) {
    if (!editable(w)) return 0;
    if (!winTypeChar(w.text, w.state.selStart, w.state.selEnd, c, 0, w.state.limitText)) return 0;
    w.state.curSel = winItemsFind(w.state.items, -1, w.text, true);
    winNotifyCommand(h, CBN_EDITUPDATE);
    winNotifyCommand(h, CBN_EDITCHANGE);
    return 0;
}

LRESULT itemText(const WinWindow& w, WPARAM index, LPARAM buffer, bool lengthOnly) {
    if (!winItemIndexValid(w.state.items, index)) return CB_ERR;
    const std::string& t = w.state.items[index].text;
    if (lengthOnly) return static_cast<LRESULT>(t.size());
    return winCopyText(t, reinterpret_cast<LPSTR>(buffer), static_cast<int>(t.size()) + 1);
}

LRESULT itemMessage(HWND h, WinWindow& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = w.state;
    LPCSTR text = reinterpret_cast<LPCSTR>(lParam);
    int start = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
        case CB_ADDSTRING:
        case CB_INSERTSTRING:
            return insertItem(w, msg, wParam, lParam);
        case CB_DELETESTRING:
            return deleteItem(w, wParam);
        case CB_RESETCONTENT:
            s.items.clear();
            s.curSel = -1;
            if (!editable(w)) w.text.clear();
            return CB_OKAY;
        case CB_GETCOUNT:
            return static_cast<LRESULT>(s.items.size());
        case CB_GETCURSEL:
            return s.curSel;
        case CB_SETCURSEL:
            return setCurSel(w, wParam);
        case CB_GETLBTEXT:
        case CB_GETLBTEXTLEN:
            return itemText(w, wParam, lParam, msg == CB_GETLBTEXTLEN);
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT:
            return winItemsFind(s.items, start, text ? text : "", msg == CB_FINDSTRINGEXACT);
        case CB_SELECTSTRING: {
            int found = winItemsFind(s.items, start, text ? text : "", false);
            return found < 0 ? CB_ERR : setCurSel(w, static_cast<WPARAM>(found));
        }
        case CB_GETITEMDATA:
            return winItemIndexValid(s.items, wParam) ? static_cast<LRESULT>(s.items[wParam].data)
                                                      : CB_ERR;
        case CB_SETITEMDATA:
            if (!winItemIndexValid(s.items, wParam)) return CB_ERR;
            s.items[wParam].data = static_cast<DWORD_PTR>(lParam);
            return CB_OKAY;
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}

}  // namespace

LRESULT winComboBoxProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    auto& s = w->state;
    switch (msg) {
        case WM_CHAR:
            return typeChar(h, *w, static_cast<char>(wParam));
        case CB_SHOWDROPDOWN:
            s.droppedDown = wParam != 0;
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return s.droppedDown ? TRUE : FALSE;
        case CB_LIMITTEXT:
            s.limitText = static_cast<int>(wParam);
            return TRUE;
        case CB_GETEDITSEL:
            return MAKELONG(static_cast<WORD>(s.selStart), static_cast<WORD>(s.selEnd));
        case CB_SETEDITSEL:
            winSetSelection(w->text, s.selStart, s.selEnd,
                            static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam))),
                            static_cast<short>(HIWORD(static_cast<DWORD_PTR>(lParam))));
            return TRUE;
        case WM_LBUTTONDOWN:
            SetFocus(h);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            winNotifyCommand(h, msg == WM_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
            return 0;
        default:
            return itemMessage(h, *w, msg, wParam, lParam);
    }
}
