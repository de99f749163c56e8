#include "vn_lib_editor_dlg.h"

#include "dial_string.h"
#include "dialog_scope.h"
#include "dlg_size.h"
#include "tab_pages.h"
#include "win.h"

namespace {

using E = VnLibEditorDlg;

constexpr int kTextTitle = 754;
constexpr int kTabTexts[] = {755, 756, 757};
const char kSizeName[] = "DLG_EDIT_SECTIONLIB";

const DialogTemplateRegistration kTemplate(
    {E::kResourceId,
     "Section library",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     344,
     230,
     {
         {E::kTab, WC_TABCONTROL, WS_TABSTOP, 0, "", 5, 5, 334, 200},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 234, 210, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 289, 210, 50, 14},
     }});

}  // namespace

VnLibEditorDlg::VnLibEditorDlg(DlgEditLibData& data, const Ktx_String& fullSectionName,
                               CWnd* parent)
    : CDialog(kResourceId, parent),
      fullSectionName_(fullSectionName),
      groups_(data),
      types_(data),
      tables_(data, fullSectionName) {
    onNotify(kTab, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) { showPage(tab_.GetCurSel()); });
}

BOOL VnLibEditorDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    tab_.SubclassDlgItem(kTab, this);
    for (int i = 0; i < 3; ++i) tab_.InsertItem(i, dialString(kTabTexts[i]).c_str());
    groups_.Create(VnLibGroupsPage::kResourceId, &tab_);
    types_.Create(VnLibTypesPage::kResourceId, &tab_);
    tables_.Create(VnLibTablesPage::kResourceId, &tab_);
    resizer_.Init(this, {{kTab, CResizer::kAll},
                         {IDOK, CResizer::kBottomRight},
                         {IDCANCEL, CResizer::kBottomRight}});
    CSize designed;
    if (getSafeDlgSize(this, designed)) resizer_.SetMinTrackSize(designed);
    placePages();
    ChangeDlgSize(this, kSizeName);
    const int first = fullSectionName_.isEmpty() ? kGroupsPage : kTablesPage;
    tab_.SetCurSel(first);
    showPage(first);
    return TRUE;
}

void VnLibEditorDlg::placePages() {
    placePagesOverTab(tab_, {&groups_, &types_, &tables_});
}

void VnLibEditorDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
    placePages();
}

void VnLibEditorDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    resizer_.OnGetMinMaxInfo(info);
}

void VnLibEditorDlg::showPage(int page) {
    if (shown_ == kGroupsPage && page != kGroupsPage) groups_.storeShown();
    if (page == kTypesPage) types_.refreshLists();
    shown_ = page;
    groups_.ShowWindow(page == kGroupsPage ? SW_SHOW : SW_HIDE);
    types_.ShowWindow(page == kTypesPage ? SW_SHOW : SW_HIDE);
    tables_.ShowWindow(page == kTablesPage ? SW_SHOW : SW_HIDE);
}

void VnLibEditorDlg::OnOK() {
    if (!tables_.askUnsaved()) return;
    groups_.storeShown();
    types_.storeShown();
    WriteDlgSize(this, kSizeName);
    CDialog::OnOK();
}

void VnLibEditorDlg::OnCancel() {
    WriteDlgSize(this, kSizeName);
    CDialog::OnCancel();
}

bool StartDlgEditLibSections(DlgEditLibData& data, const Ktx_String& fullSectionName) {
    DialogScope<DlgEditLibData> scope(data);
    scope.copy().GetAvailableFiles();
    VnLibEditorDlg dialog(scope.copy(), fullSectionName);
    return scope.run(dialog);
}
