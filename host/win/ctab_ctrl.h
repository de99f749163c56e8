// CTabCtrl: a tab control. Selecting by code (SetCurSel) sends no notification; a person's
// choice (userSelectTab) sends TCN_SELCHANGING and TCN_SELCHANGE to the parent.
#pragma once

#include "cwnd.h"

class CTabCtrl : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_TABCONTROL, "", style, rect, parent, id);
    }
    LONG InsertItem(int index, LPCSTR text) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>(text);
        return InsertItem(index, &item);
    }
    LONG InsertItem(int index, TCITEM* item) {
        return static_cast<LONG>(SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(item)));
    }
    BOOL GetItem(int index, TCITEM* item) const {
        return static_cast<BOOL>(
            SendMessage(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItem(int index, TCITEM* item) {
        return static_cast<BOOL>(
            SendMessage(TCM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
    }
    BOOL DeleteItem(int index) {
        return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index)));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index)));
    }
    BOOL GetItemRect(int index, LPRECT rect) const {
        return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(rect)));
    }
    // larger FALSE: from the window rectangle to the display area below the tabs.
    void AdjustRect(BOOL larger, LPRECT rect) {
        SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(rect));
    }
};
