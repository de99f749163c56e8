#include "vn_grid_dlg.h"

#include <cstdlib>

#include "dial_string.h"
#include "dialog_bindings.h"
#include "dialog_scope.h"
#include "win.h"

namespace {

using D = VnGridDlg;

constexpr int kTextTitle = 1463;
constexpr int kTextFirstDirection = 1464;
constexpr int kTextSecondDirection = 1465;
constexpr int kTextCount = 1466;
constexpr int kTextDistances = 1467;
constexpr int kTextLabel = 1468;
constexpr int kTextOption = 1469;

constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

// Two group frames side by side, each with its count, distances and label field.
const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "Grid",
     kDialogStyle,
     0,
     0,
     250,
     118,
     {
         {D::kGroup1, WC_BUTTON, BS_GROUPBOX, 0, "First direction", 7, 7, 115, 70},
         {D::kCount1Label, WC_STATIC, SS_LEFT, 0, "Number of lines:", 13, 21, 55, 8},
         {D::kCount1, WC_EDIT, kEdit, 0, "", 70, 19, 45, 13},
         {D::kDistances1Label, WC_STATIC, SS_LEFT, 0, "Distances:", 13, 39, 55, 8},
         {D::kDistances1, WC_EDIT, kEdit, 0, "", 70, 37, 45, 13},
         {D::kLabel1Label, WC_STATIC, SS_LEFT, 0, "First label:", 13, 57, 55, 8},
         {D::kLabel1, WC_EDIT, kEdit, 0, "", 70, 55, 45, 13},
         {D::kGroup2, WC_BUTTON, BS_GROUPBOX, 0, "Second direction", 128, 7, 115, 70},
         {D::kCount2Label, WC_STATIC, SS_LEFT, 0, "Number of lines:", 134, 21, 55, 8},
         {D::kCount2, WC_EDIT, kEdit, 0, "", 191, 19, 45, 13},
         {D::kDistances2Label, WC_STATIC, SS_LEFT, 0, "Distances:", 134, 39, 55, 8},
         {D::kDistances2, WC_EDIT, kEdit, 0, "", 191, 37, 45, 13},
         {D::kLabel2Label, WC_STATIC, SS_LEFT, 0, "First label:", 134, 57, 55, 8},
         {D::kLabel2, WC_EDIT, kEdit, 0, "", 191, 55, 45, 13},
         {D::kOption, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Option", 7, 83, 236, 10},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 138, 98, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 193, 98, 50, 14},
     }});

}  // namespace

VnGridDlgModel::VnGridDlgModel(VnGridDlgData& block)
    : data(block), countText1(block.count1), countText2(block.count2) {}

void VnGridDlgModel::confirm() {
    data.count1 = std::atoi(countText1.c_str());
    data.count2 = std::atoi(countText2.c_str());
}

VnGridDlg::VnGridDlg(VnGridDlgData& data, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), model_(data) {
    VnGridDlgData& d = model_.data;
    bind({
        VnBinding::label(kGroup1, kTextFirstDirection),
        VnBinding::label(kGroup2, kTextSecondDirection),
        VnBinding::label(kCount1Label, kTextCount),
        VnBinding::label(kCount2Label, kTextCount),
        VnBinding::label(kDistances1Label, kTextDistances),
        VnBinding::label(kDistances2Label, kTextDistances),
        VnBinding::label(kLabel1Label, kTextLabel),
        VnBinding::label(kLabel2Label, kTextLabel),
        stringField(kCount1, model_.countText1),
        stringField(kDistances1, d.distances1),
        stringField(kLabel1, d.label1),
        stringField(kCount2, model_.countText2),
        stringField(kDistances2, d.distances2),
        stringField(kLabel2, d.label2),
        boolBox(kOption, d.option).caption(kTextOption),
        VnBinding::label(IDOK, 1),
        VnBinding::label(IDCANCEL, 2),
    });
}

BOOL VnGridDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    return TRUE;
}

void VnGridDlg::OnOK() {
    model_.confirm();
    CDialog::OnOK();
}

bool StartDlgGrid(VnGridDlgData& data) {
    return runDialogOnCopy<VnGridDlg>(data);
}
