#include "vn_dlg_macro_settings.h"

#include "dial_string.h"
#include "dialog_scope.h"
#include "win.h"

namespace {

using D = VnDlgMacroSettings;

constexpr int kTitleText = 2601;
constexpr int kStandardsTabText = 2602;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "Macro settings",
     kDialogStyle,
     0,
     0,
     282,
     292,
     {
         {D::kTab, WC_TABCONTROL, WS_TABSTOP, 0, "", 5, 5, 272, 264},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 172, 273, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 227, 273, 50, 14},
     }});

}  // namespace

VnDlgMacroSettings::VnDlgMacroSettings(MacroSettingsData& settings, CWnd* parent)
    : CDialog(kResourceId, parent), page_(&settings) {}

BOOL VnDlgMacroSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTitleText).c_str());
    tab_.SubclassDlgItem(kTab, this);
    tab_.InsertItem(0, dialString(kStandardsTabText).c_str());
    page_.Create(VnSSMappingPage::kResourceId, &tab_);
    CRect area;
    tab_.GetClientRect(&area);
    tab_.AdjustRect(FALSE, &area);
    page_.MoveWindow(&area);
    tab_.SetCurSel(0);
    page_.ShowWindow(SW_SHOW);
    return TRUE;
}

void VnDlgMacroSettings::OnOK() {
    page_.commit();
    CDialog::OnOK();
}

bool StartDlgMacroSettings(MacroSettingsData& settings, bool* modified) {
    DialogScope<MacroSettingsData> scope(settings);
    VnDlgMacroSettings dialog(scope.copy());
    const bool ok = scope.run(dialog);
    if (modified != nullptr) *modified = dialog.isModified();
    return ok;
}
