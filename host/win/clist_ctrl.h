// CListCtrl: a list view with columns and rows.
#pragma once

#include <string>

#include "cwnd.h"
#include "image_list.h"

class CListCtrl : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_LISTVIEW, "", style, rect, parent, id);
    }
    int InsertColumn(int index, LPCSTR heading, int format = 0, int width = -1) {
        LVCOLUMN col;
        col.pszText = const_cast<LPSTR>(heading);
        col.fmt = format;
        col.cx = width;
        return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(&col)));
    }
    int InsertItem(int index, LPCSTR text, int image = 0) {
        LVITEM item;
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = const_cast<LPSTR>(text);
        item.iImage = image;
        return InsertItem(&item);
    }
    int InsertItem(const LVITEM* item) {
        return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItemText(int index, int subItem, LPCSTR text) {
        LVITEM item;
        item.iSubItem = subItem;
        item.pszText = const_cast<LPSTR>(text);
        return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(&item)));
    }
    std::string GetItemText(int index, int subItem) const {
        char buffer[1024] = {};
        LVITEM item;
        item.iSubItem = subItem;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(LVM_GETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    BOOL SetItemData(int index, DWORD_PTR data) {
        LVITEM item;
        item.mask = LVIF_PARAM;
        item.iItem = index;
        item.lParam = static_cast<LPARAM>(data);
        return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item)));
    }
    DWORD_PTR GetItemData(int index) const {
        LVITEM item;
        item.mask = LVIF_PARAM;
        item.iItem = index;
        SendMessage(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        return static_cast<DWORD_PTR>(item.lParam);
    }
    BOOL SetItemState(int index, UINT state, UINT mask) {
        LVITEM item;
        item.state = state;
        item.stateMask = mask;
        return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(&item)));
    }
    UINT GetItemState(int index, UINT mask) const {
        return static_cast<UINT>(
            SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), static_cast<LPARAM>(mask)));
    }
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(
            SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), static_cast<LPARAM>(flags)));
    }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    BOOL DeleteItem(int index) {
        return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index)));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    // The list view keeps the list's handle, not the list: keep it alive while shown.
    HIMAGELIST SetImageList(CImageList* list, int which) {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(which),
                        reinterpret_cast<LPARAM>(list ? list->GetSafeHandle() : nullptr)));
    }
    HIMAGELIST GetImageList(int which) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(which)));
    }
    BOOL EnsureVisible(int index, BOOL partial) {
        return static_cast<BOOL>(
            SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), partial));
    }
};
