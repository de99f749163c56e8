#include "dlg_select_prof.h"

#include <string>
#include <vector>

#include "section_table_manager.h"
#include "string_helpers.h"
#include "win.h"

namespace {

const DialogTemplateRegistration kTemplate(
    {kDlgSelectProfResourceId,
     "Select section",
     kDialogStyle,
     0,
     0,
     230,
     170,
     {
         {kDlgSelectProfTables, WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, "",
          7, 7, 80, 135},
         {kDlgSelectProfSizes, WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, "",
          93, 7, 130, 135},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 118, 149, 50, 14},
         {IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Cancel", 173, 149, 50, 14},
     }});

class SelectProfDialog : public CDialog {
  public:
    explicit SelectProfDialog(DlgSelectProfData& data)
        : CDialog(kDlgSelectProfResourceId), data_(data) {
        onCommand(kDlgSelectProfTables, LBN_SELCHANGE, [this] { showSizes(); });
        onCommand(kDlgSelectProfSizes, LBN_DBLCLK, [this] { OnOK(); });
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        tables_.SubclassDlgItem(kDlgSelectProfTables, this);
        sizes_.SubclassDlgItem(kDlgSelectProfSizes, this);
        if (gSectionTables.tableCount() == 0) gSectionTables.loadLibrary();
        const Ktx_String family = getSubstrBefore(data_.initialName, "-", false);
        int shown = 0;
        for (int i = 0; i < gSectionTables.tableCount(); ++i) {
            const Ktx_String tableName = gSectionTables.table(i)->familyName();
            list(kDlgSelectProfTables)->AddString(tableName.c_str());
            if (tableName.equal(family, false)) shown = i;
        }
        list(kDlgSelectProfTables)->SetCurSel(shown);
        showSizes();
        for (int row = 0; row < static_cast<int>(fullNames_.size()); ++row) {
            if (fullNames_[static_cast<size_t>(row)] == data_.initialName) {
                list(kDlgSelectProfSizes)->SetCurSel(row);
            }
        }
        return TRUE;
    }

    void OnOK() override {
        const int row = list(kDlgSelectProfSizes)->GetCurSel();
        if (row < 0 || row >= static_cast<int>(fullNames_.size())) return;
        data_.profName = fullNames_[static_cast<size_t>(row)];
        CDialog::OnOK();
    }

  private:
    CListBox* list(int id) { return id == kDlgSelectProfTables ? &tables_ : &sizes_; }

    void showSizes() {
        CListBox* sizes = list(kDlgSelectProfSizes);
        sizes->ResetContent();
        fullNames_.clear();
        const int table = list(kDlgSelectProfTables)->GetCurSel();
        const Ktx_SectionTable* t = gSectionTables.table(table);
        if (t == nullptr) return;
        for (int row = 0; row < t->rows.length(); ++row) {
            Ktx_String fullName, userName;
            if (gSectionTables.getSectionName(table, row, fullName) != Acad::eOk) continue;
            if (gSectionTables.getUserName(fullName, userName) != Acad::eOk) userName = fullName;
            fullNames_.push_back(fullName);
            sizes->AddString(userName.c_str());
        }
    }

    DlgSelectProfData& data_;
    CListBox tables_;
    CListBox sizes_;
    std::vector<Ktx_String> fullNames_;
};

}  // namespace

int DlgSelectProf::DoModal() {
    SelectProfDialog dialog(data_);
    return dialog.DoModal() == IDOK ? IDOK : IDCANCEL;
}
