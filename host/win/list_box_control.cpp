// The LISTBOX class: items with one selection, or several with LBS_MULTIPLESEL or
// LBS_EXTENDEDSEL. Notifications (LBN_...) are sent only with LBS_NOTIFY, as the platform
// does.
#include "control_common.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"

namespace {

bool multi(const WinWindow& w) {
    return (w.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

LRESULT setSel(WinWindow& w, bool select, LPARAM index) {
    auto& items = w.state.items;
    if (!multi(w)) return LB_ERR;
    if (index == -1) {
        for (auto& i : items) i.selected = select;
        return LB_OKAY;
    }
    if (!winItemIndexValid(items, static_cast<WPARAM>(index))) return LB_ERR;
    items[static_cast<size_t>(index)].selected = select;
    w.state.curSel = static_cast<int>(index);
    return LB_OKAY;
}

LRESULT setCurSel(WinWindow& w, WPARAM index) {
    bool valid = winItemIndexValid(w.state.items, index);
    w.state.curSel = valid ? static_cast<int>(index) : -1;
    for (size_t i = 0; i < w.state.items.size(); ++i)
        w.state.items[i].selected = valid && i == index;
    return valid ? static_cast<LRESULT>(index) : LB_ERR;
}

LRESULT selItems(const WinWindow& w, WPARAM max, LPARAM out) {
    int* dest = reinterpret_cast<int*>(out);
    LRESULT n = 0;
    for (size_t i = 0; i < w.state.items.size() && n < static_cast<LRESULT>(max); ++i) {
        if (w.state.items[i].selected) dest[n++] = static_cast<int>(i);
    }
    return n;
}

LRESULT selCount(const WinWindow& w) {
    if (!multi(w)) return LB_ERR;
    LRESULT n = 0;
    for (const auto& i : w.state.items) n += i.selected ? 1 : 0;
    return n;
}

LRESULT itemText(const WinWindow& w, WPARAM index, LPARAM buffer, bool lengthOnly) {
    if (!winItemIndexValid(w.state.items, index)) return LB_ERR;
    const std::string& t = w.state.items[index].text;
    if (lengthOnly) return static_cast<LRESULT>(t.size());
    return winCopyText(t, reinterpret_cast<LPSTR>(buffer), static_cast<int>(t.size()) + 1);
}

LRESULT deleteItem(WinWindow& w, WPARAM index) {
    auto& s = w.state;
    if (!winItemIndexValid(s.items, index)) return LB_ERR;
    s.items.erase(s.items.begin() + static_cast<long>(index));
    if (s.curSel == static_cast<int>(index))
        s.curSel = -1;
    else if (s.curSel > static_cast<int>(index))
        --s.curSel;
    return static_cast<LRESULT>(s.items.size());
}

}  // namespace

LRESULT winListBoxProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    auto& s = w->state;
    LPCSTR text = reinterpret_cast<LPCSTR>(lParam);
    int start = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
        case LB_ADDSTRING:
            return winItemsAdd(s.items, text ? text : "", (w->style & LBS_SORT) != 0);
        case LB_INSERTSTRING: {
            int i = winItemsInsert(s.items, start, text ? text : "");
            if (i >= 0 && s.curSel >= i) ++s.curSel;
            return i < 0 ? LB_ERR : i;
        }
        case LB_DELETESTRING:
            return deleteItem(*w, wParam);
        case LB_RESETCONTENT:
            s.items.clear();
            s.curSel = -1;
            return 0;
        case LB_GETCOUNT:
            return static_cast<LRESULT>(s.items.size());
        case LB_GETCURSEL:
            return multi(*w) ? s.curSel : (s.curSel < 0 ? LB_ERR : s.curSel);
        case LB_SETCURSEL:
            return multi(*w) ? LB_ERR : setCurSel(*w, wParam);
        case LB_SETSEL:
            return setSel(*w, wParam != 0, lParam);
        case LB_GETSEL:
            return winItemIndexValid(s.items, wParam) ? (s.items[wParam].selected ? 1 : 0) : LB_ERR;
        case LB_GETSELCOUNT:
            return selCount(*w);
        case LB_GETSELITEMS:
            return selItems(*w, wParam, lParam);
        case LB_GETTEXT:
        case LB_GETTEXTLEN:
            return itemText(*w, wParam, lParam, msg == LB_GETTEXTLEN);
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            return winItemsFind(s.items, start, text ? text : "", msg == LB_FINDSTRINGEXACT);
        case LB_SELECTSTRING: {
            int found = winItemsFind(s.items, start, text ? text : "", false);
            return found < 0 ? LB_ERR : setCurSel(*w, static_cast<WPARAM>(found));
        }
        case LB_GETITEMDATA:
            return winItemIndexValid(s.items, wParam) ? static_cast<LRESULT>(s.items[wParam].data)
                                                      : LB_ERR;
        case LB_SETITEMDATA:
            if (!winItemIndexValid(s.items, wParam)) return LB_ERR;
            s.items[wParam].data = static_cast<DWORD_PTR>(lParam);
            return LB_OKAY;
        case WM_LBUTTONDOWN:
            SetFocus(h);
            return 0;
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}
