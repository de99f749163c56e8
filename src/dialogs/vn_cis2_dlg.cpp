#include "vn_cis2_dlg.h"

#include "dial_string.h"
#include "dialog_bindings.h"
#include "dialog_scope.h"
#include "ktx_settings.h"
#include "section_translation.h"
#include "win.h"

namespace {

using D = VnCis2Dlg;

constexpr int kTextTitle = 1731;
constexpr int kTextInfo1 = 1732;
constexpr int kTextInfo2 = 1733;
constexpr int kTextTableCaption = 670;
constexpr int kTextTableText = 1740;

constexpr DWORD kRadioFirst = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "CIS/2",
     kDialogStyle,
     0,
     0,
     230,
     168,
     {
         {D::kInfo, WC_STATIC, SS_LEFT, 0, "", 7, 7, 216, 26},
         {D::kMode1, WC_BUTTON, kRadioFirst, 0, "Defaults", 7, 38, 216, 10},
         {D::kMode2, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "Settings", 7, 51, 216, 10},
         {D::kOption1, WC_BUTTON, kCheck | WS_GROUP, 0, "Option 1", 19, 65, 204, 10},
         {D::kOption2, WC_BUTTON, kCheck, 0, "Option 2", 19, 78, 204, 10},
         {D::kOption3, WC_BUTTON, kCheck, 0, "Option 3", 19, 91, 204, 10},
         {D::kAlternative1, WC_BUTTON, kRadioFirst, 0, "Alternative 1", 19, 105, 204, 10},
         {D::kAlternative2, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "Alternative 2", 19, 118, 204, 10},
         {D::kTable, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, "Table...", 7, 147, 90,
          14},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 118, 147, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 173, 147, 50, 14},
     }});

}  // namespace

VnCis2Dlg::VnCis2Dlg(VnDlgCis2Data& data, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), data_(data) {
    VnDlgCis2Data& d = data_;
    auto dependent = [&d] { return d.dependentsEnabled(); };
    bind({
        VnBinding::radio(
            kMode1, [&d] { return d.mode1; }, [&d] { d.mode1 = true; })
            .caption(1734),
        VnBinding::radio(
            kMode2, [&d] { return !d.mode1; }, [&d] { d.mode1 = false; })
            .caption(1735),
        boolBox(kOption1, d.option1).caption(665).enabledWhen(dependent),
        boolBox(kOption2, d.option2).caption(1736).enabledWhen(dependent),
        boolBox(kOption3, d.option3).caption(1741).enabledWhen(dependent),
        VnBinding::radio(
            kAlternative1, [&d] { return !d.alternative2; }, [&d] { d.alternative2 = false; })
            .caption(1737)
            .enabledWhen(dependent),
        VnBinding::radio(
            kAlternative2, [&d] { return d.alternative2; }, [&d] { d.alternative2 = true; })
            .caption(1738)
            .enabledWhen(dependent),
        VnBinding::button(kTable, [this] { editTable(); }).caption(1739),
        VnBinding::label(IDOK, 1),
        VnBinding::label(IDCANCEL, 2),
    });
}

BOOL VnCis2Dlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(kInfo, (dialString(kTextInfo1) + "\n" + dialString(kTextInfo2)).c_str());
    return TRUE;
}

// The table is the Core library's: it reads the file, lets the user edit it and writes it.
// The dialog's own choices do not change.
void VnCis2Dlg::editTable() {
    const Ktx_String file = gSettings.libDir + kTableFile;
    Ktx_StringArray names, translations;
    readSectionTranslation(file, names, translations);
    writeSectionTranslation(dialString(kTextTableCaption), dialString(kTextTableText), names,
                            translations, file);
}

bool StartDlgCis2Info(VnDlgCis2Data& data) {
    return runDialogOnCopy<VnCis2Dlg>(data);
}
