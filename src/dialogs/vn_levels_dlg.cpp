#include "vn_levels_dlg.h"

#include <string>

#include "dial_string.h"
#include "dialog_bindings.h"
#include "dialog_scope.h"
#include "dlg_controls.h"
#include "icon_buttons.h"
#include "vn_input_line_dlg.h"
#include "win.h"

namespace {

using D = VnLevelsDlg;

constexpr int kTextTitle = 1478;
constexpr int kTextInputCaption = 87, kTextInputPrompt = 1475, kTextInputDefault = 171;
constexpr int kTextInUseCaption = 856, kTextInUse1 = 857, kTextInUse2 = 858;

constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "Levels",
     kDialogStyle,
     0,
     0,
     260,
     131,
     {
         {D::kLevelList, WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 7, 7,
          80, 96},
         {D::kGroup, WC_BUTTON, BS_GROUPBOX, 0, "Level", 93, 3, 160, 100},
         {D::kNameLabel, WC_STATIC, SS_LEFT, 0, "Name:", 99, 18, 60, 8},
         {D::kName, WC_EDIT, kEdit | ES_READONLY, 0, "", 162, 16, 84, 13},
         {D::kReferenceLabel, WC_STATIC, SS_LEFT, 0, "Measured from:", 99, 38, 60, 8},
         {D::kReference, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 162, 36,
          84, 80},
         {D::kHeightLabel, WC_STATIC, SS_LEFT, 0, "Height:", 99, 58, 60, 8},
         {D::kHeight, WC_EDIT, kEdit, 0, "", 162, 56, 84, 13},
         {D::kAbsoluteLabel, WC_STATIC, SS_LEFT, 0, "Absolute height:", 99, 78, 60, 8},
         {D::kAbsolute, WC_EDIT, kEdit | ES_READONLY, 0, "", 162, 76, 84, 13},
         {D::kAdd, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "+", 7, 110, 18, 14},
         {D::kDelete, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "-", 27, 110, 18, 14},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 148, 110, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 203, 110, 50, 14},
     }});

constexpr VnIconButton kIconButtons[] = {{D::kAdd, 212, 131}, {D::kDelete, 206, 134}};

}  // namespace

VnLevelsDlg::VnLevelsDlg(VnLevelsDlgData& data, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), model_(data) {
    VnLevelsDlgModel& m = model_;
    bind({
        VnBinding::label(kGroup, 760),
        VnBinding::label(kNameLabel, 87),
        VnBinding::label(kReferenceLabel, 593),
        VnBinding::label(kHeightLabel, 1473),
        VnBinding::label(kAbsoluteLabel, 1474),
        stringField(kName, m.name),
        stringField(kHeight, m.heightText).enabledWhen([&m] { return m.shown() >= 0; }),
        stringField(kAbsolute, m.absoluteText),
        ruledControl(kReference).enabledWhen([&m] { return m.newLevel(); }),
        VnBinding::button(kAdd, [this] { onAdd(); }),
        VnBinding::button(kDelete,
                          [this] {
                              model_.deleteShown();
                              showLists();
                          })
            .enabledWhen([&m] { return m.shown() >= 0; }),
        VnBinding::label(IDOK, 1),
        VnBinding::label(IDCANCEL, 2),
    });
    onCommand(kLevelList, LBN_SELCHANGE, [this] {
        model_.choose(static_cast<int>(SendDlgItemMessage(kLevelList, LB_GETCURSEL)));
        showLists();
        refresh();
    });
    onCommand(kReference, CBN_SELCHANGE, [this] {
        std::string text;
        GetDlgItemText(kReference, text);
        model_.reference = Ktx_String(text);
    });
}

BOOL VnLevelsDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    setUpIconButtons(this, toolTips_, kIconButtons);
    model_.show(0);
    showLists();
    refresh();
    return TRUE;
}

// The level list with the shown level selected, and the reference choices with the shown
// level's reference selected (none when it is not among them, as for "wcs").
void VnLevelsDlg::showLists() {
    FillCombo(this, kLevelList, model_.data().getNames());
    SendDlgItemMessage(kLevelList, LB_SETCURSEL, static_cast<WPARAM>(model_.shown()));
    FillCombo(this, kReference, model_.referenceChoices);
    int at = -1;
    for (int i = 0; i < model_.referenceChoices.length(); ++i)
        if (model_.referenceChoices[i] == model_.reference) at = i;
    SendDlgItemMessage(kReference, CB_SETCURSEL, static_cast<WPARAM>(at));
}

bool VnLevelsDlg::askNewName(Ktx_String& name) {
    for (int attempt = 1;; ++attempt) {
        VnInputLineData input{dialString(kTextInputCaption), dialString(kTextInputPrompt),
                              dialString(kTextInputDefault)};
        if (!StartDlgInputLine(input, this)) return false;
        name = input.text;
        // After the last attempt the name goes to the data, which refuses a name in use.
        if (!model_.nameInUse(name) || attempt >= VnLevelsDlgModel::kMaxNameAttempts) return true;
        const Ktx_String text = dialString(kTextInUse1) + ".\n" + dialString(kTextInUse2) + ".";
        MessageBox(text.c_str(), dialString(kTextInUseCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
}

void VnLevelsDlg::onAdd() {
    model_.store();
    Ktx_String name;
    if (askNewName(name)) model_.add(name);
    showLists();
}

void VnLevelsDlg::OnOK() {
    model_.store();
    CDialog::OnOK();
}

bool StartDlgLevels(VnLevelsDlgData& data) {
    return runDialogOnCopy<VnLevelsDlg>(data);
}
