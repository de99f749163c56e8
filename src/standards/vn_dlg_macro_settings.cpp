#include "vn_dlg_macro_settings.h"

#include "dial_string.h"
#include "dialog_scope.h"
#include "tab_pages.h"
#include "win.h"

namespace {

using D = VnDlgMacroSettings;

constexpr int kTextTitle = 2601;
constexpr int kTextStandardsTab = 2602;

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
    SetWindowText(dialString(kTextTitle).c_str());
    tab_.SubclassDlgItem(kTab, this);
    tab_.InsertItem(0, dialString(kTextStandardsTab).c_str());
    page_.Create(VnSSMappingPage::kResourceId, &tab_);
    placePagesOverTab(tab_, {&page_});
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
