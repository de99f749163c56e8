#include "vn_edit_constr_dlg.h"

#include "core.h"
#include "icon_buttons.h"
#include "modeless_windows.h"
#include "module_entry.h"
#include "tab_pages.h"
#include "vn_dlg_macro_settings.h"
#include "vn_input_line_dlg.h"

namespace {

using D = VnEditConstrDlg;

constexpr int kTextCaption = 869, kTextClose = 285, kTextSelectMacro = 870, kTextRename = 871;
constexpr int kTextSettings = 872, kTextRenameCaption = 877, kTextRenameLabel = 878;
constexpr int kTabKeys[4] = {873, 874, 875, 876};
constexpr int kAddModuleCommand = 11;
const char kSizeName[] = "DLG_EDIT_MACRO";
constexpr DWORD kIconButton = BS_PUSHBUTTON | BS_ICON | WS_TABSTOP;

const VnIconButton kIconButtons[] = {{D::kSelectMacro, 217, 865},
                                     {D::kAddModule, 212, 866},
                                     {D::kRemoveModule, 206, 867},
                                     {D::kZoom, 234, 868}};

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "Edit macro",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     310,
     232,
     {
         {D::kModules, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 5, 5, 110,
          100},
         {D::kSelectMacro, WC_BUTTON, kIconButton, 0, "", 120, 4, 18, 14},
         {D::kAddModule, WC_BUTTON, kIconButton, 0, "+", 140, 4, 18, 14},
         {D::kRemoveModule, WC_BUTTON, kIconButton, 0, "-", 160, 4, 18, 14},
         {D::kZoom, WC_BUTTON, kIconButton, 0, "Z", 180, 4, 18, 14},
         {D::kRename, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 202, 4, 48, 14},
         {D::kSettings, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 254, 4, 51, 14},
         {D::kTab, WC_TABCONTROL, WS_TABSTOP, 0, "", 5, 22, 300, 186},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "", 255, 213, 50, 14},
     }});

// The modeless editor ends from a timer, after the click that closed it has returned.
UINT_PTR& pendingEnd() {
    static UINT_PTR timer = 0;
    static const bool registered = [] {
        coreAddResetHook([] {
            if (timer != 0) KillTimer(nullptr, timer);
            timer = 0;
        });
        return true;
    }();
    (void)registered;
    return timer;
}

void endEditorNow(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    pendingEnd() = 0;
    EndDlgEditConstraints();
}

}  // namespace

VnEditConstrDlg::VnEditConstrDlg(const EditConstrData& data, bool modeless, CWnd* parent)
    : CDialog(kResourceId, parent),
      data_(data),
      modeless_(modeless),
      constraints_(data_),
      geometry_(data_),
      vars_(data_),
      commands_([this](int n) { runCommand(n); }) {
    connectControls();
}

void VnEditConstrDlg::connectControls() {
    onCommand(kModules, CBN_SELCHANGE, [this] { onModuleChosen(); });
    onClicked(kSelectMacro, [this] { selectOtherMacro(); });
    onClicked(kAddModule, [this] { runCommand(kAddModuleCommand); });
    onClicked(kRemoveModule, [this] { removeModule(); });
    onClicked(kRename, [this] { renameModule(); });
    onClicked(kSettings, [this] { editSettings(); });
    onClicked(kZoom, [this] { zoom(); });
    onNotify(kTab, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) { showPage(tab_.GetCurSel()); });
}

BOOL VnEditConstrDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    setUpControls();
    getDlgSize(this, minTrack_);
    resizer_.SetMinTrackSize(minTrack_);
    resizer_.Init(this, {{kTab, CResizer::kAll}, {IDOK, CResizer::kBottomRight}});
    ChangeDlgSize(this, kSizeName);
    fillModules();
    createPages();
    tab_.SetCurSel(kConstraintsPage);
    showPage(kConstraintsPage);
    if (CWnd* first = constraints_.GetDlgItem(VnConstrListPage::kValue)) first->SetFocus();
    return FALSE;
}

void VnEditConstrDlg::setUpControls() {
    setUpIconButtons(this, tips_, kIconButtons);
    SetWindowText(dialString(kTextCaption).c_str());
    SetDlgItemText(IDOK, dialString(kTextClose).c_str());
    SetDlgItemText(kSelectMacro, dialString(kTextSelectMacro).c_str());
    SetDlgItemText(kRename, dialString(kTextRename).c_str());
    SetDlgItemText(kSettings, dialString(kTextSettings).c_str());
    modules_.SubclassDlgItem(kModules, this);
    tab_.SubclassDlgItem(kTab, this);
}

void VnEditConstrDlg::createPages() {
    constraints_.Create(VnConstrListPage::kResourceId, &tab_);
    geometry_.Create(VnGeomPage::kResourceId, &tab_);
    vars_.Create(VnVarsPage::kResourceId, &tab_);
    commands_.Create(VnCommandsPage::kResourceId, &tab_);
    for (int i = 0; i < 4; ++i) tab_.InsertItem(i, dialString(kTabKeys[i]).c_str());
    placePages();
}

void VnEditConstrDlg::placePages() {
    placePagesOverTab(tab_, {&constraints_, &geometry_, &vars_, &commands_});
}

void VnEditConstrDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
    placePages();
}

void VnEditConstrDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    resizer_.OnGetMinMaxInfo(info);
}

void VnEditConstrDlg::fillModules() {
    Ktx_StringArray names;
    MacroGetModules(data_, names);
    modules_.ResetContent();
    for (int i = 0; i < names.length(); ++i) modules_.AddString(names[i].c_str());
    int current = names.find(data_.currentModule);
    if (current < 0 && names.length() > 0) {
        current = 0;
        data_.currentModule = names[0];
        SetCurrentModule(data_);
    }
    modules_.SetCurSel(current);
}

void VnEditConstrDlg::selectModule(int position) {
    modules_.SetCurSel(position);
    makeCurrent();
}

std::string VnEditConstrDlg::moduleAt(int position) const {
    if (position < 0 || position >= modules_.GetCount()) return {};
    std::string name(static_cast<size_t>(modules_.GetLBTextLen(position)) + 1, '\0');
    modules_.GetLBText(position, name.data());
    name.resize(name.size() - 1);
    return name;
}

void VnEditConstrDlg::makeCurrent() {
    data_.currentModule = Ktx_String(moduleAt(modules_.GetCurSel()));
    SetCurrentModule(data_);
    constraints_.fill();
    geometry_.fill();
    vars_.fill();
}

void VnEditConstrDlg::onModuleChosen() {
    storePages();
    makeCurrent();
}

void VnEditConstrDlg::storePages() {
    constraints_.storeCurrent();
    vars_.store();
}

void VnEditConstrDlg::beginEditorCommand(bool hide) {
    if (hide) ShowWindow(SW_HIDE);
    acedPostCommand("CANCELCMD");
    NoteEditorCommand(data_, true);
}

void VnEditConstrDlg::completeEditorCommand(bool show) {
    NoteEditorCommand(data_, false);
    if (show) ShowWindow(SW_SHOW);
}

void VnEditConstrDlg::selectOtherMacro() {
    beginEditorCommand(true);
    const Acad::ErrorStatus es = SelectOtherMacro(data_);
    completeEditorCommand(true);
    if (es != Acad::eOk) return;
    fillModules();
    makeCurrent();
}

void VnEditConstrDlg::removeModule() {
    const int position = modules_.GetCurSel();
    if (position < 0) return;
    if (RemoveModule(data_, Ktx_String(moduleAt(position))) != Acad::eOk) return;
    fillModules();
    selectModule(vnModuleAfterRemove(position, modules_.GetCount()));
}

void VnEditConstrDlg::renameModule() {
    const int position = modules_.GetCurSel();
    if (position < 0) return;
    VnInputLineData input{dialString(kTextRenameCaption), dialString(kTextRenameLabel),
                          data_.currentModule};
    if (!StartDlgInputLine(input, this)) return;
    storePages();
    if (RenameModule(data_, data_.currentModule, input.text) != Acad::eOk) return;
    fillModules();
    selectModule(position);
}

void VnEditConstrDlg::editSettings() {
    Ktx_MacroDesign* design = data_.design();
    MacroSettingsData settings;
    if (design == nullptr || GetMacroSettings(&design->macro, settings) != Acad::eOk) return;
    if (StartDlgMacroSettings(settings)) SetMacroSettings(&design->macro, settings);
}

void VnEditConstrDlg::zoom() {
    if (zooming_) return;
    zooming_ = true;
    beginEditorCommand(false);
    ZoomCommand(data_);
    completeEditorCommand(false);
    zooming_ = false;
}

void VnEditConstrDlg::runCommand(int n) {
    beginEditorCommand(true);
    const Acad::ErrorStatus es = StartMacroCommand(data_, n);
    completeEditorCommand(true);
    if (es != Acad::eOk) return;
    if (n <= 10) {
        tab_.SetCurSel(kConstraintsPage);
        showPage(kConstraintsPage);
        const Ktx_ModuleDesign* m = data_.current();
        if (m != nullptr) constraints_.fill(static_cast<int>(m->constraints.size()) - 1);
    } else if (n == kAddModuleCommand) {
        fillModules();
        selectModule(modules_.GetCount() - 1);
    }
}

void VnEditConstrDlg::showPage(int page) {
    if (page_ == kConstraintsPage) constraints_.leave();
    if (page_ == kGeometryPage) geometry_.leave();
    if (page_ == kVariablesPage && page != kVariablesPage) vars_.store();
    CDialog* pages[] = {&constraints_, &geometry_, &vars_, &commands_};
    for (CDialog* p : pages) p->ShowWindow(SW_HIDE);
    if (page == kConstraintsPage) {
        const int shown = constraints_.shownIndex();
        constraints_.storeCurrent();
        constraints_.fill(shown);
    } else if (page == kVariablesPage) {
        vars_.store();
        vars_.fill();
    }
    if (page < 0 || page > kCommandsPage) return;
    page_ = page;
    pages[page]->ShowWindow(SW_SHOW);
}

void VnEditConstrDlg::close(int result) {
    if (!modeless_) {
        EndDialog(result);
        return;
    }
    ShowWindow(SW_HIDE);
    if (pendingEnd() == 0) pendingEnd() = ::SetTimer(nullptr, 0, 0, endEditorNow);
}

void VnEditConstrDlg::OnOK() {
    close(IDOK);
}

void VnEditConstrDlg::OnCancel() {
    close(IDCANCEL);
}

void VnEditConstrDlg::OnDestroy() {
    if (modeless_ && pendingEnd() != 0) {
        ::KillTimer(nullptr, pendingEnd());
        pendingEnd() = 0;
    }
    constraints_.storeCurrent(false);
    vars_.store();
    WriteDlgSize(this, kSizeName);
    CDialog::OnDestroy();
}

bool StartDlgEditConstraints(EditConstrData& data) {
    if (isConstraintEditorOpen()) return true;
    VnResourceScope scope(vnResourceOverride());
    CWnd* main = CWnd::FromHandle(adsw_acadMainWnd());
    auto editor = std::make_unique<VnEditConstrDlg>(data, true, main);
    if (!editor->Create(VnEditConstrDlg::kResourceId, main)) return false;
    editor->ShowWindow(SW_SHOW);
    std::unique_ptr<CDialog> owned = std::move(editor);
    if (!setConstraintEditor(owned)) return false;
    if (main != nullptr) main->SetFocus();
    return true;
}

bool StartDlgEditConstrModal(EditConstrData& data) {
    VnResourceScope scope(vnResourceOverride());
    VnEditConstrDlg editor(data, false);
    return editor.DoModal() == IDOK;
}
