// The list view class: columns, rows with sub-item texts, images, parameters and
// selected/focused states. A change of a row's state sends LVN_ITEMCHANGED to the parent.
#include <algorithm>
#include <cstring>

#include "control_common.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"

namespace {

constexpr UINT kSelected = LVIS_SELECTED;
constexpr UINT kFocused = LVIS_FOCUSED;

UINT stateOf(const WinItem& item) {
    return (item.selected ? kSelected : 0u) | (item.focused ? kFocused : 0u);
}

void setState(HWND h, WinWindow& w, size_t index, UINT state, UINT mask) {
    WinItem& item = w.state.items[index];
    UINT old = stateOf(item);
    UINT now = (old & ~mask) | (state & mask);
    if (now == old) return;
    item.selected = (now & kSelected) != 0;
    item.focused = (now & kFocused) != 0;
    if ((now & kSelected) && (w.style & LVS_SINGLESEL)) {
        for (size_t i = 0; i < w.state.items.size(); ++i) {
            if (i != index && w.state.items[i].selected) setState(h, w, i, 0, kSelected);
        }
    }
    NMLISTVIEW nm;
    nm.iItem = static_cast<int>(index);
    nm.uNewState = now;
    nm.uOldState = old;
    nm.uChanged = LVIF_STATE;
    nm.lParam = static_cast<LPARAM>(item.data);
    winNotifyParent(h, LVN_ITEMCHANGED, &nm.hdr);
}

std::string* subText(WinItem& item, int sub) {
    if (sub == 0) return &item.text;
    if (sub < 0) return nullptr;
    if (item.subItems.size() < static_cast<size_t>(sub))
        item.subItems.resize(static_cast<size_t>(sub));
    return &item.subItems[static_cast<size_t>(sub - 1)];
}

LRESULT insertItem(WinWindow& w, const LVITEM* lv) {
    if (lv == nullptr) return -1;
    int n = static_cast<int>(w.state.items.size());
    int at = winItemsInsert(w.state.items, std::clamp(lv->iItem, 0, n), "");
    WinItem& item = w.state.items[static_cast<size_t>(at)];
    if ((lv->mask & LVIF_TEXT) && lv->pszText) item.text = lv->pszText;
    if (lv->mask & LVIF_PARAM) item.data = static_cast<DWORD_PTR>(lv->lParam);
    item.image = (lv->mask & LVIF_IMAGE) ? lv->iImage : 0;
    if (lv->mask & LVIF_STATE) item.selected = (lv->state & lv->stateMask & kSelected) != 0;
    return at;
}

LRESULT setItem(WinWindow& w, const LVITEM* lv) {
    if (lv == nullptr || !winItemIndexValid(w.state.items, static_cast<WPARAM>(lv->iItem)))
        return FALSE;
    WinItem& item = w.state.items[static_cast<size_t>(lv->iItem)];
    std::string* t = subText(item, lv->iSubItem);
    if (t && (lv->mask & LVIF_TEXT) && lv->pszText) *t = lv->pszText;
    if (lv->mask & LVIF_PARAM) item.data = static_cast<DWORD_PTR>(lv->lParam);
    if (lv->mask & LVIF_IMAGE) item.image = lv->iImage;
    return TRUE;
}

LRESULT getItem(WinWindow& w, LVITEM* lv) {
    if (lv == nullptr || !winItemIndexValid(w.state.items, static_cast<WPARAM>(lv->iItem)))
        return FALSE;
    WinItem& item = w.state.items[static_cast<size_t>(lv->iItem)];
    std::string* t = subText(item, lv->iSubItem);
    if ((lv->mask & LVIF_TEXT) && t) winCopyText(*t, lv->pszText, lv->cchTextMax);
    if (lv->mask & LVIF_PARAM) lv->lParam = static_cast<LPARAM>(item.data);
    if (lv->mask & LVIF_IMAGE) lv->iImage = item.image;
    if (lv->mask & LVIF_STATE) lv->state = stateOf(item) & lv->stateMask;
    return TRUE;
}

LRESULT nextItem(const WinWindow& w, int start, UINT flags) {
    for (size_t i = static_cast<size_t>(start + 1); i < w.state.items.size(); ++i) {
        UINT st = stateOf(w.state.items[i]);
        if (flags == LVNI_ALL || (flags & st)) return static_cast<LRESULT>(i);
    }
    return -1;
}

LRESULT stateMessage(HWND h, WinWindow& w, WPARAM index, const LVITEM* lv) {
    if (lv == nullptr) return FALSE;
    if (static_cast<INT_PTR>(index) == -1) {
        for (size_t i = 0; i < w.state.items.size(); ++i)
            setState(h, w, i, lv->state, lv->stateMask);
        return TRUE;
    }
    if (!winItemIndexValid(w.state.items, index)) return FALSE;
    setState(h, w, index, lv->state, lv->stateMask);
    return TRUE;
}

}  // namespace

LRESULT winListViewProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    auto& s = w->state;
    switch (msg) {
        case LVM_INSERTCOLUMN: {
            auto* col = reinterpret_cast<const LVCOLUMN*>(lParam);
            int at = std::clamp(static_cast<int>(wParam), 0, static_cast<int>(s.columns.size()));
            s.columns.insert(s.columns.begin() + at, (col && col->pszText) ? col->pszText : "");
            return at;
        }
        case LVM_DELETECOLUMN:
            if (wParam >= s.columns.size()) return FALSE;
            s.columns.erase(s.columns.begin() + static_cast<long>(wParam));
            return TRUE;
        case LVM_INSERTITEM:
            return insertItem(*w, reinterpret_cast<const LVITEM*>(lParam));
        case LVM_SETITEM:
        case LVM_SETITEMTEXT: {
            auto* lv = reinterpret_cast<LVITEM*>(lParam);
            if (msg == LVM_SETITEMTEXT && lv) {
                LVITEM copy = *lv;
                copy.iItem = static_cast<int>(wParam);
                copy.mask = LVIF_TEXT;
                return setItem(*w, &copy);
            }
            return setItem(*w, lv);
        }
        case LVM_GETITEM:
            return getItem(*w, reinterpret_cast<LVITEM*>(lParam));
        case LVM_GETITEMTEXT: {
            auto* lv = reinterpret_cast<LVITEM*>(lParam);
            if (lv == nullptr) return 0;
            LVITEM copy = *lv;
            copy.iItem = static_cast<int>(wParam);
            copy.mask = LVIF_TEXT;
            return getItem(*w, &copy)
                       ? static_cast<LRESULT>(std::strlen(lv->pszText ? lv->pszText : ""))
                       : 0;
        }
        case LVM_GETITEMCOUNT:
            return static_cast<LRESULT>(s.items.size());
        case LVM_DELETEITEM:
            if (!winItemIndexValid(s.items, wParam)) return FALSE;
            s.items.erase(s.items.begin() + static_cast<long>(wParam));
            return TRUE;
        case LVM_DELETEALLITEMS:
            s.items.clear();
            return TRUE;
        case LVM_GETNEXTITEM:
            return nextItem(*w, static_cast<int>(static_cast<INT_PTR>(wParam)),
                            static_cast<UINT>(lParam));
        case LVM_SETITEMSTATE:
            return stateMessage(h, *w, wParam, reinterpret_cast<const LVITEM*>(lParam));
        case LVM_GETITEMSTATE:
            return winItemIndexValid(s.items, wParam)
                       ? (stateOf(s.items[wParam]) & static_cast<UINT>(lParam))
                       : 0;
        case LVM_GETSELECTEDCOUNT: {
            LRESULT n = 0;
            for (const auto& i : s.items) n += i.selected ? 1 : 0;
            return n;
        }
        case LVM_SETIMAGELIST: {
            void*& slot = wParam == 0 ? s.imageList : s.smallImageList;
            void* old = slot;
            slot = reinterpret_cast<void*>(lParam);
            return reinterpret_cast<LRESULT>(old);
        }
        case LVM_GETIMAGELIST:
            return reinterpret_cast<LRESULT>(wParam == 0 ? s.imageList : s.smallImageList);
        case LVM_ENSUREVISIBLE:
        case LVM_SETEXTENDEDLISTVIEWSTYLE:
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(h);
            return 0;
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}
