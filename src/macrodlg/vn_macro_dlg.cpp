#include "vn_macro_dlg.h"

#include "core.h"
#include "ktx_dlg_designer_data.h"
#include "macro_dlg_registry.h"
#include "macro_load_standards.h"
#include "module_entry.h"

namespace {

using D = VnMacroDlg;

constexpr int kTextClose = 285;
constexpr int kTextFilter1 = 755;
constexpr int kTextFilter2 = 981;
constexpr int kTextReApply = 982;
constexpr double kScalePerPixel = 0.05;
constexpr DWORD kImageButton = BS_PUSHBUTTON | BS_ICON | WS_TABSTOP;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     283,
     175,
     {
         {D::kTabs, WC_TABCONTROL, WS_TABSTOP, 0, "", 4, 22, 275, 130},
         {D::kSelectOther, WC_BUTTON, kImageButton, 0, "", 4, 4, 18, 14},
         {D::kView3, WC_BUTTON, kImageButton, 0, "", 26, 4, 18, 14},
         {D::kView0, WC_BUTTON, kImageButton, 0, "", 46, 4, 18, 14},
         {D::kView1, WC_BUTTON, kImageButton, 0, "", 66, 4, 18, 14},
         {D::kView2, WC_BUTTON, kImageButton, 0, "", 86, 4, 18, 14},
         {D::kLoadStandards, WC_BUTTON, kImageButton, 0, "", 108, 4, 18, 14},
         {D::kClashCheck, WC_BUTTON, BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | WS_TABSTOP, 0, "",
          130, 4, 18, 14},
         {D::kReadProps, WC_BUTTON, kImageButton, 0, "", 152, 4, 18, 14},
         {D::kWriteProps, WC_BUTTON, kImageButton, 0, "", 172, 4, 18, 14},
         {D::kFilter1Label, WC_STATIC, SS_LEFT, 0, "", 4, 158, 26, 8},
         {D::kFilter1, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 31, 156, 58,
          80},
         {D::kFilter2Label, WC_STATIC, SS_LEFT, 0, "", 93, 158, 20, 8},
         {D::kFilter2, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 114, 156, 58,
          80},
         {D::kReApply, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 177, 156, 58, 14},
         {D::kClose, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 239, 156, 40, 14},
     }});

// The image buttons in the order of the dialog's members: control, picture, tooltip key
// (0: the literal tooltip).
struct ImageButton {
    int id;
    UINT picture;
    int tip;
};
constexpr ImageButton kImageButtons[D::kImageButtonCount] = {
    {D::kSelectOther, 217, 973}, {D::kView3, 218, 974},     {D::kView0, 220, 975},
    {D::kView1, 222, 976},       {D::kView2, 221, 977},     {D::kLoadStandards, 259, 0},
    {D::kClashCheck, 237, 980},  {D::kReadProps, 232, 978}, {D::kWriteProps, 233, 979},
};
const char* const kLoadStandardsTip = "Load from standards";

void fillCombo(CWnd* combo, const Ktx_StringArray& items, int selected) {
    if (!combo) return;
    combo->SendMessage(CB_RESETCONTENT);
    for (int i = 0; i < items.length(); ++i)
        combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
    combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(selected));
}

}  // namespace

VnMacroDlg::VnMacroDlg(const MacroData& data, int number, CWnd* parent)
    : CDialog(kResourceId, parent), data_(data), number_(number) {
    registerCommands();
}

VnMacroDlg::~VnMacroDlg() = default;

void VnMacroDlg::registerCommands() {
    onClicked(kClose, [this] { closeDialog(); });
    onClicked(kSelectOther, [this] { selectOtherMacros(); });
    onClicked(kView3, [this] { changeView(3); });
    onClicked(kView0, [this] { changeView(0); });
    onClicked(kView1, [this] { changeView(1); });
    onClicked(kView2, [this] { changeView(2); });
    onClicked(kLoadStandards, [this] { loadFromStandards(); });
    onClicked(kClashCheck,
              [this] { clashSetStatus(IsDlgButtonChecked(kClashCheck) == BST_CHECKED); });
    onClicked(kReApply, [this] {
        if (data_.reApply() == Acad::eOk) closeDialog();
    });
    onClicked(kReadProps, [this] { readProperties(); });
    onClicked(kWriteProps, [this] { writeProperties(); });
    onCommand(kFilter1, CBN_SELCHANGE, [this] { onFilterChanged(1); });
    onCommand(kFilter2, CBN_SELCHANGE, [this] { onFilterChanged(0); });
    onNotify(kTabs, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) { showPage(tabs_.GetCurSel()); });
}

BOOL VnMacroDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CWnd* close = GetDlgItem(kClose)) {
        CRect r;
        close->GetWindowRect(&r);
        setDesignerDialogScale(r.Height() * kScalePerPixel);
    }
    tabs_.SubclassDlgItem(kTabs, this);
    SetDlgItemText(kClose, dialString(kTextClose).c_str());
    SetDlgItemText(kReApply, dialString(kTextReApply).c_str());
    SetDlgItemText(kFilter1Label, dialString(kTextFilter1).c_str());
    SetDlgItemText(kFilter2Label, dialString(kTextFilter2).c_str());
    setUpImageButtons();
    getDlgSize(this, savedSize_);
    setUpResizer();
    buildPages();
    int start = 0;
    if (!data_.findTab(Ktx_String(data_.edit.startTab.c_str()), start)) start = 0;
    if (start < pageCount()) {
        tabs_.SetCurSel(start);
        showPage(start);
    }
    SetWindowText(data_.edit.title.c_str());
    fillFilters();
    enablePropButtons();
    sizedOnce_ = ChangeDlgSize(this, Ktx_String(sizeKey().c_str()));
    if (sizedOnce_) getDlgSize(this, savedSize_);
    sizedOnce_ = true;
    resizeToPages();
    clashInitDlgStarted(number_);
    clashResetInfo(number_);
    CheckDlgButton(kClashCheck, clashGetStatus() ? BST_CHECKED : BST_UNCHECKED);
    clashcheck(data_);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return FALSE;
}

void VnMacroDlg::setUpImageButtons() {
    for (int i = 0; i < kImageButtonCount; ++i) {
        const ImageButton& b = kImageButtons[i];
        images_[i].SubclassDlgItem(b.id, this);
        if (!images_[i].SetIcon(b.picture)) images_[i].SetBitmaps(b.picture);
        images_[i].SetTooltipText(b.tip ? dialString(b.tip) : Ktx_String(kLoadStandardsTip));
        if (b.id == kClashCheck) images_[i].SetCheckStyle(true);
    }
}

void VnMacroDlg::setUpResizer() {
    std::vector<CResizer::Entry> table = {{kTabs, CResizer::kAll}};
    for (const ImageButton& b : kImageButtons) table.push_back({b.id, CResizer::kTopLeft});
    for (int id : {kFilter1Label, kFilter1, kFilter2Label, kFilter2})
        table.push_back({id, CResizer::kBottomLeft});
    table.push_back({kReApply, CResizer::kBottomRight});
    table.push_back({kClose, CResizer::kBottomRight});
    resizer_.SetMinTrackSize(CSize(kMinTrackWidth, kMinTrackHeight));
    resizer_.Init(this, table);
}

void VnMacroDlg::fillFilters() {
    fillCombo(GetDlgItem(kFilter1), data_.edit.filterList1, data_.edit.filterSel1);
    fillCombo(GetDlgItem(kFilter2), data_.edit.filterList2, data_.edit.filterSel2);
}

void VnMacroDlg::enablePropButtons() {
    for (int id : {kReadProps, kWriteProps}) {
        if (CWnd* w = GetDlgItem(id)) w->EnableWindow(data_.propListAllowed());
    }
}

void VnMacroDlg::changeView(int view) {
    acedPostCommand("CANCELCMD");
    MacroTabData* tab = data_.getTab(tabs_.GetSafeHwnd() ? tabs_.GetCurSel() : -1);
    data_.changeView(Ktx_String(tab ? tab->name.c_str() : ""), view);
}

void VnMacroDlg::onFilterChanged(int first) {
    VnResourceScope scope(vnResourceOverride());
    data_.edit.filterSel1 = static_cast<int>(GetDlgItem(kFilter1)->SendMessage(CB_GETCURSEL));
    data_.edit.filterSel2 = static_cast<int>(GetDlgItem(kFilter2)->SendMessage(CB_GETCURSEL));
    data_.UpdateAllFilterModified(first);
    buildPages();
    fillFilters();
    resizeToPages();
}

void VnMacroDlg::closeDialog() {
    changeView(3);
    data_.edit.closing = true;
    if (number_ >= 0) {
        // Not ended here: that would delete this dialog inside its own handler.
        endDlgMacroModelessLater(number_);
        return;
    }
    acedPostCommandPrompt();
    EndDialog(IDOK);
}

void VnMacroDlg::OnClose() {
    closeDialog();
}

void VnMacroDlg::OnDestroy() {
    WriteDlgSize(this, Ktx_String(sizeKey().c_str()));
    clashDlgClosed(number_);
    destroyPages();
    CDialog::OnDestroy();
}

void VnMacroDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
    placePages();
}

void VnMacroDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    resizer_.OnGetMinMaxInfo(info);
}

void StartDlgMacro(MacroData& data) {
    VnResourceScope scope(vnResourceOverride());
    installMacroStandardsEvaluator();
    VnMacroDlg dialog(data);
    dialog.DoModal();
    data = dialog.macroData();
}
