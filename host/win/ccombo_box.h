// CComboBox: a combo box (class "COMBOBOX"). Index results are CB_ERR (-1) for a bad index.
#pragma once

#include <string>

#include "cwnd.h"

class CComboBox : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_COMBOBOX, "", style, rect, parent, id);
    }
    int AddString(LPCSTR text) { return msg(CB_ADDSTRING, 0, text); }
    int InsertString(int index, LPCSTR text) {
        return msg(CB_INSERTSTRING, static_cast<WPARAM>(index), text);
    }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    // Exact text, letter case ignored, searching after `start` (-1: from the top).
    int FindStringExact(int start, LPCSTR text) const {
        return msg(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text);
    }
    int FindString(int start, LPCSTR text) const {
        return msg(CB_FINDSTRING, static_cast<WPARAM>(start), text);
    }
    int SelectString(int start, LPCSTR text) {
        return msg(CB_SELECTSTRING, static_cast<WPARAM>(start), text);
    }
    int GetLBTextLen(int index) const {
        return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    }
    int GetLBText(int index, LPSTR buffer) const {
        return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(buffer)));
    }
    void GetLBText(int index, std::string& text) const {
        int n = GetLBTextLen(index);
        if (n < 0) {
            text.clear();
            return;
        }
        text.assign(static_cast<size_t>(n) + 1, '\0');
        GetLBText(index, text.data());
        text.resize(static_cast<size_t>(n));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    BOOL LimitText(int limit) {
        return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(limit)));
    }
    BOOL SetEditSel(int start, int end) {
        return static_cast<BOOL>(SendMessage(
            CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end))));
    }

  private:
    int msg(UINT m, WPARAM w, LPCSTR text) const {
        return static_cast<int>(SendMessage(m, w, reinterpret_cast<LPARAM>(text)));
    }
};
