#include "dlg_controls.h"

#include <algorithm>

#include "ccombo_box.h"
#include "file_ops.h"
#include "win.h"

namespace {

CWnd* controlOf(CWnd* dialog, int id) {
    return dialog == nullptr || dialog->GetSafeHwnd() == nullptr ? nullptr : dialog->GetDlgItem(id);
}

}  // namespace

bool FillCombo(CWnd* dialog, int id, const Ktx_StringArray& items, const Ktx_String& selected) {
    CWnd* control = controlOf(dialog, id);
    if (control == nullptr) return false;
    char className[32] = {};
    GetClassName(control->GetSafeHwnd(), className, sizeof className);
    const bool isListBox = winSameClassName(className, WC_LISTBOX);
    const UINT reset = isListBox ? LB_RESETCONTENT : CB_RESETCONTENT;
    const UINT add = isListBox ? LB_ADDSTRING : CB_ADDSTRING;
    const UINT select = isListBox ? LB_SETCURSEL : CB_SETCURSEL;
    control->SendMessage(reset);
    int chosen = items.length() > 0 ? 0 : -1;
    for (int i = 0; i < items.length(); ++i) {
        control->SendMessage(add, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
        if (!selected.isEmpty() && items[i] == selected && chosen == 0) chosen = i;
    }
    control->SendMessage(select, static_cast<WPARAM>(chosen));
    return true;
}

bool ShowOrHideCtrl(CWnd* dialog, int id, bool show) {
    CWnd* control = controlOf(dialog, id);
    if (control == nullptr) return false;
    control->ShowWindow(show ? SW_SHOW : SW_HIDE);
    return true;
}

bool EnDisCtrl(CWnd* dialog, int id, bool enable) {
    CWnd* control = controlOf(dialog, id);
    if (control == nullptr) return false;
    control->EnableWindow(enable ? TRUE : FALSE);
    return true;
}

bool resizeCtrl(CWnd* dialog, int id, int side, int amount) {
    CWnd* control = controlOf(dialog, id);
    if (control == nullptr || side < kSideTop || side > kSideRight) return false;
    CRect r;
    control->GetWindowRect(&r);
    dialog->ScreenToClient(&r);
    switch (side) {
        case kSideTop:
            r.top = std::min<LONG>(r.top - amount, r.bottom);
            break;
        case kSideBottom:
            r.bottom = std::max<LONG>(r.bottom + amount, r.top);
            break;
        case kSideLeft:
            r.left = std::min<LONG>(r.left - amount, r.right);
            break;
        default:
            r.right = std::max<LONG>(r.right + amount, r.left);
            break;
    }
    control->MoveWindow(&r);
    return true;
}

bool deleteFile(const Ktx_String& path) {
    return ObjectExportFileExists(path) && ObjectExportDeleteFile(path) &&
           !ObjectExportFileExists(path);
}
