#include "vn_macro_fields_dlg.h"

#include "core.h"
#include "ktx_dlg_designer_data.h"

namespace {

using F = VnMacroFieldsDlg;

const DialogTemplateRegistration kTemplate(
    {F::kResourceId,
     "",
     kDialogStyle,
     0,
     0,
     200,
     140,
     {
         {F::kGrid, WC_STATIC, WS_BORDER, 0, "", 4, 4, 192, 110},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "", 90, 120, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 146, 120, 50, 14},
     }});

constexpr int kTextOk = 1;
constexpr int kTextCancel = 2;

}  // namespace

VnMacroFieldsDlg::VnMacroFieldsDlg(std::string title, std::vector<VnMacroField> fields,
                                   CWnd* parent)
    : CDialog(kResourceId, parent), title_(std::move(title)), fields_(std::move(fields)) {}

VnMacroFieldsDlg::~VnMacroFieldsDlg() = default;

BOOL VnMacroFieldsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(title_.c_str());
    SetDlgItemText(IDOK, dialString(kTextOk).c_str());
    SetDlgItemText(IDCANCEL, dialString(kTextCancel).c_str());
    if (!grid_.create(this, kGrid, true)) return TRUE;
    grid_.setDefaultLook(1);
    grid_.setMaxCols(2);
    grid_.setMaxRows(static_cast<int>(fields_.size()));
    for (int row = 1; row <= static_cast<int>(fields_.size()); ++row) {
        const VnMacroField& f = fields_[row - 1];
        grid_.setCellText(1, row, Ktx_String(f.label.c_str()));
        grid_.setCellText(2, row, Ktx_String(f.value ? f.value->c_str() : ""));
        SSSetLock(grid_.gridWindow(), 1, row, true);
        SSSetLock(grid_.gridWindow(), 2, row, f.readOnly);
    }
    grid_.setFitMode(SpreadFitMode::OneColumn, 2, 80);
    return TRUE;
}

void VnMacroFieldsDlg::OnOK() {
    for (int row = 1; row <= static_cast<int>(fields_.size()); ++row) {
        VnMacroField& f = fields_[row - 1];
        Ktx_String text;
        if (f.value && !f.readOnly && grid_.getCellText(2, row, text, CellTextKind::Data))
            *f.value = text.c_str();
    }
    CDialog::OnOK();
}

namespace {

// The array dialog's rows: the four fields ("1" to "4"), the count ("#", arrays of kind 1
// only) and the numbered entries ("[1]", "[2]", ...).
std::vector<VnMacroField> arrayFields(MacroArray& array) {
    std::vector<VnMacroField> fields;
    for (int i = 0; i < 4; ++i) fields.push_back({std::to_string(i + 1), &array.fields[i].value});
    if (array.kind == 1) fields.push_back({"#", &array.count.value});
    for (size_t i = 0; i < array.entries.size(); ++i)
        fields.push_back({"[" + std::to_string(i + 1) + "]", &array.entries[i].value});
    return fields;
}

}  // namespace

bool runMacroFieldsDlg(const std::string& title, const std::vector<VnMacroField>& fields,
                       CWnd* parent) {
    VnMacroFieldsDlg dialog(title, fields, parent);
    return dialog.DoModal() == IDOK;
}

bool StartDlgMacroBoltAdvanced(MacroData& data, int tabIndex, CWnd* parent) {
    MacroTabData* tab = data.getTab(tabIndex);
    if (!tab) return false;
    std::vector<VnMacroField> fields;
    for (int i = 0; i < 5; ++i) fields.push_back({std::to_string(i + 1), &tab->edit.boltFields[i]});
    fields.push_back({dialString(275).c_str(), &tab->edit.boltAssembly});
    fields.push_back({dialString(328).c_str(), &tab->edit.boltDiameter});
    return runMacroFieldsDlg(tab->name, fields, parent);
}

bool StartDlgMacroTabItem(MacroData& data, int tabIndex, int id, CWnd* parent) {
    MacroTabData* tab = data.getTab(tabIndex);
    if (!tab || id == 0) return false;
    if (tab->bolts) {
        for (MacroPatternData& p : tab->bolts->patterns) {
            if (p.buttonId == id)
                return runMacroFieldsDlg(p.name, {{"1", &p.nrBolts1}, {"2", &p.nrBolts2}}, parent);
        }
    }
    for (MacroCell& c : tab->edit.cells) {
        if (c.id == id) return runMacroFieldsDlg(c.name, {{c.name, &c.value}}, parent);
    }
    for (MacroArray& a : tab->edit.arrays) {
        if (a.buttonId == id) return runMacroFieldsDlg(a.name, arrayFields(a), parent);
    }
    return false;
}
