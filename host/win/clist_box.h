// CListBox: a list box (class "LISTBOX"). Index results are LB_ERR (-1) for a bad index.
#pragma once

#include <string>
#include <vector>

#include "cwnd.h"

class CListBox : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_LISTBOX, "", style, rect, parent, id);
    }
    int AddString(LPCSTR text) { return msg(LB_ADDSTRING, 0, text); }
    int InsertString(int index, LPCSTR text) {
        return msg(LB_INSERTSTRING, static_cast<WPARAM>(index), text);
    }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int SetSel(int index, BOOL select = TRUE) {
        return static_cast<int>(SendMessage(LB_SETSEL, select, index));
    }
    int GetSel(int index) const {
        return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index)));
    }
    int GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }
    int GetSelItems(int max, int* out) const {
        return static_cast<int>(
            SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(max), reinterpret_cast<LPARAM>(out)));
    }
    int FindStringExact(int start, LPCSTR text) const {
        return msg(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text);
    }
    int FindString(int start, LPCSTR text) const {
        return msg(LB_FINDSTRING, static_cast<WPARAM>(start), text);
    }
    int SelectString(int start, LPCSTR text) {
        return msg(LB_SELECTSTRING, static_cast<WPARAM>(start), text);
    }
    int GetTextLen(int index) const {
        return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    }
    void GetText(int index, std::string& text) const {
        int n = GetTextLen(index);
        if (n < 0) {
            text.clear();
            return;
        }
        text.assign(static_cast<size_t>(n) + 1, '\0');
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(n));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }

  private:
    int msg(UINT m, WPARAM w, LPCSTR text) const {
        return static_cast<int>(SendMessage(m, w, reinterpret_cast<LPARAM>(text)));
    }
};
