// The tab control class: items with text, image and parameter, one selection, item
// rectangles on one row, and the display rectangle below them. Selecting by code sends
// nothing; the scripted user's choice sends TCN_SELCHANGING (which may refuse) and
// TCN_SELCHANGE.
#include "control_common.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"
#include "window_geometry.h"

namespace {

constexpr int kRowTop = 2;
constexpr int kItemHeight = 20;
constexpr int kCharWidth = 6;
constexpr int kItemPadding = 12;
constexpr int kMargin = 4;

RECT itemRect(const WinWindow& w, size_t index) {
    int left = 2;
    for (size_t i = 0; i < index; ++i) {
        left += kItemPadding + kCharWidth * static_cast<int>(w.state.items[i].text.size());
    }
    int width = kItemPadding + kCharWidth * static_cast<int>(w.state.items[index].text.size());
    return RECT{left, kRowTop, left + width, kRowTop + kItemHeight};
}

void applyItem(WinItem& item, const TCITEM& tc) {
    if ((tc.mask & TCIF_TEXT) && tc.pszText) item.text = tc.pszText;
    if (tc.mask & TCIF_IMAGE) item.image = tc.iImage;
    if (tc.mask & TCIF_PARAM) item.data = static_cast<DWORD_PTR>(tc.lParam);
}

LRESULT getItem(const WinWindow& w, WPARAM index, TCITEM* tc) {
    if (tc == nullptr || !winItemIndexValid(w.state.items, index)) return FALSE;
    const WinItem& item = w.state.items[index];
    if (tc->mask & TCIF_TEXT) winCopyText(item.text, tc->pszText, tc->cchTextMax);
    if (tc->mask & TCIF_IMAGE) tc->iImage = item.image;
    if (tc->mask & TCIF_PARAM) tc->lParam = static_cast<LPARAM>(item.data);
    return TRUE;
}

LRESULT adjustRect(HWND h, BOOL larger, RECT* r) {
    if (r == nullptr) return 0;
    int top = kRowTop + kItemHeight + 2;
    (void)h;
    if (larger) {
        *r = RECT{r->left - kMargin, r->top - top, r->right + kMargin, r->bottom + kMargin};
    } else {
        *r = RECT{r->left + kMargin, r->top + top, r->right - kMargin, r->bottom - kMargin};
    }
    return 0;
}

LRESULT insertItem(WinWindow& w, WPARAM index, const TCITEM* tc) {
    if (tc == nullptr) return -1;
    int at = winItemsInsert(
        w.state.items,
        std::min<int>(static_cast<int>(index), static_cast<int>(w.state.items.size())), "");
    applyItem(w.state.items[static_cast<size_t>(at)], *tc);
    if (w.state.curSel < 0)
        w.state.curSel = 0;
    else if (w.state.curSel >= at && w.state.items.size() > 1)
        ++w.state.curSel;
    return at;
}

LRESULT deleteItem(WinWindow& w, WPARAM index) {
    auto& s = w.state;
    if (!winItemIndexValid(s.items, index)) return FALSE;
    s.items.erase(s.items.begin() + static_cast<long>(index));
    if (s.curSel >= static_cast<int>(s.items.size()))
        s.curSel = static_cast<int>(s.items.size()) - 1;
    return TRUE;
}

}  // namespace

LRESULT winTabControlProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    auto& s = w->state;
    switch (msg) {
        case TCM_INSERTITEM:
            return insertItem(*w, wParam, reinterpret_cast<const TCITEM*>(lParam));
        case TCM_SETITEM:
            if (!winItemIndexValid(s.items, wParam) || lParam == 0) return FALSE;
            applyItem(s.items[wParam], *reinterpret_cast<const TCITEM*>(lParam));
            return TRUE;
        case TCM_GETITEM:
            return getItem(*w, wParam, reinterpret_cast<TCITEM*>(lParam));
        case TCM_DELETEITEM:
            return deleteItem(*w, wParam);
        case TCM_DELETEALLITEMS:
            s.items.clear();
            s.curSel = -1;
            return TRUE;
        case TCM_GETITEMCOUNT:
            return static_cast<LRESULT>(s.items.size());
        case TCM_GETCURSEL:
        case TCM_GETCURFOCUS:
            return s.curSel;
        case TCM_SETCURSEL:
        case TCM_SETCURFOCUS: {
            int old = s.curSel;
            if (!winItemIndexValid(s.items, wParam)) return -1;
            s.curSel = static_cast<int>(wParam);
            return old;
        }
        case TCM_GETITEMRECT:
            if (!winItemIndexValid(s.items, wParam) || lParam == 0) return FALSE;
            *reinterpret_cast<RECT*>(lParam) = itemRect(*w, wParam);
            return TRUE;
        case TCM_ADJUSTRECT:
            return adjustRect(h, static_cast<BOOL>(wParam), reinterpret_cast<RECT*>(lParam));
        case WM_LBUTTONDOWN:
            SetFocus(h);
            return 0;
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}
