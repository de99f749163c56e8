#include "vn_input_line_dlg.h"

#include <string>

#include "win.h"

namespace {

using D = VnInputLineDlg;

constexpr int kTextOk = 1;
constexpr int kTextCancel = 2;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "",
     kDialogStyle,
     0,
     0,
     200,
     62,
     {
         {D::kPrompt, WC_STATIC, SS_LEFT, 0, "", 7, 7, 186, 10},
         {D::kText, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 7, 20, 186, 14},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 88, 41, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 143, 41, 50, 14},
     }});

}  // namespace

VnInputLineDlg::VnInputLineDlg(const VnInputLineData& data, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), data_(data) {
    VnInputLineData& d = data_;
    bind({
        VnBinding::textField(
            kText, [&d] { return std::string(d.text.c_str()); },
            [&d](const std::string& text) { d.text = Ktx_String(text); }),
        VnBinding::label(IDOK, kTextOk),
        VnBinding::label(IDCANCEL, kTextCancel),
    });
}

BOOL VnInputLineDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(data_.caption.c_str());
    SetDlgItemText(kPrompt, data_.prompt.c_str());
    GotoDlgCtrl(GetDlgItem(kText));
    return FALSE;  // the focus is set: on the text
}

bool StartDlgInputLine(VnInputLineData& data, CWnd* parent) {
    VnInputLineDlg dialog(data, parent);
    if (dialog.DoModal() != IDOK) return false;
    data = dialog.data();
    return true;
}
