#include <string>

#include "dial_string.h"
#include "dialog_scope.h"
#include "vn_dstv_dlgs.h"
#include "vn_input_line_dlg.h"
#include "win.h"

namespace {

using D = VnDstvGroupsDlg;

constexpr int kTextInputCaption = 87, kTextInputPrompt = 864, kTextInputDefault = 171;
constexpr int kTextExistsCaption = 856, kTextExists1 = 857, kTextExists2 = 858;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "DSTV laspunt groepen",
     kDialogStyle,
     0,
     0,
     230,
     62,
     {
         {D::kGroups, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 7, 8, 140,
          90},
         {D::kAdd, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "+", 151, 7, 16, 14},
         {D::kRemove, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "-", 169, 7, 16, 14},
         {D::kEdit, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Editeren...", 7, 26, 70, 14},
         {D::kMakeStandard, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Groep in gebruik nemen", 81,
          26, 104, 14},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "Sluiten", 173, 43, 50, 14},
     }});

}  // namespace

VnDstvGroupsDlg::VnDstvGroupsDlg(CWnd* parent) : VnBoundDialog(kResourceId, parent) {
    auto selected = [this] { return model_.selected() >= 0; };
    bind({
        VnBinding::button(kMakeStandard,
                          [this] {
                              model_.makeStandard();
                              fillList();
                          })
            .enabledWhen(selected),
        VnBinding::button(kEdit, [this] { onEdit(); }).enabledWhen(selected),
        VnBinding::button(kAdd, [this] { onAdd(); }),
        VnBinding::button(kRemove,
                          [this] {
                              model_.remove();
                              fillList();
                          })
            .enabledWhen(selected),
    });
    onCommand(kGroups, CBN_SELCHANGE, [this] {
        model_.select(list_.GetCurSel());
        refresh();
    });
}

BOOL VnDstvGroupsDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    list_.SubclassDlgItem(kGroups, this);
    model_.refill();
    model_.select(0);
    fillList();
    refresh();
    return TRUE;
}

// Every group unchecked, the standard one checked, the remembered entry selected.
void VnDstvGroupsDlg::fillList() {
    list_.ResetContent();
    for (const Ktx_String& name : model_.names()) list_.AddString(name.c_str(), false);
    if (model_.standardIndex() >= 0) list_.SetCheck(model_.standardIndex(), true);
    list_.SetCurSel(model_.selected());
    list_.Invalidate();
}

// The points are edited on a copy; the file is written only when the point dialog ends
// with OK.
void VnDstvGroupsDlg::onEdit() {
    DstvPoints points;
    const Ktx_String file = model_.selectedFile();
    points_.readFromFile(file, points);
    VnDstvPointsDlg dialog(points, this);
    if (dialog.DoModal() == IDOK) points_.writeToFile(file, dialog.points());
}

void VnDstvGroupsDlg::onAdd() {
    VnInputLineData input{dialString(kTextInputCaption), dialString(kTextInputPrompt),
                          dialString(kTextInputDefault)};
    if (!StartDlgInputLine(input, this)) return;
    if (model_.add(input.text) == VnDstvGroupsModel::AddResult::Exists) {
        const Ktx_String text =
            dialString(kTextExists1) + " " + input.text + dialString(kTextExists2);
        MessageBox(text.c_str(), dialString(kTextExistsCaption).c_str(),
                   MB_OK | MB_ICONEXCLAMATION);
    }
    fillList();
}

void StartDSTVPointsDlg() {
    VnResourceScope resources(vnResourceOverride());
    VnDstvGroupsDlg dialog;
    dialog.DoModal();
}
