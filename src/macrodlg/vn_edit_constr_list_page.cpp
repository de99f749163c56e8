// The constraints page of the constraint editor and the module-wide click flag.
#include <algorithm>

#include "acad.h"
#include "core.h"
#include "grid.h"
#include "vn_edit_constr_pages.h"

namespace {

using P = VnConstrListPage;

constexpr int kTextValue = 86, kTextUseVariable = 881, kTextVariable = 1328, kTextCut = 862;
constexpr int kTextDeleteTip = 882;
constexpr int kHeaderKeys[kConstrGridColumns] = {981, 890, 891, 86};
constexpr UINT kDeleteIcon = 206;
constexpr UINT kClickFlagMs = 2000;
const char kCaption[] = "Regels editeren";
constexpr DWORD kOptionStyle = BS_CHECKBOX | BS_PUSHLIKE | WS_TABSTOP;

std::vector<DialogControl> pageControls() {
    std::vector<DialogControl> c = {
        {P::kGrid, WC_STATIC, WS_BORDER, 0, "", 5, 5, 278, 112},
        {P::kValueLabel, WC_STATIC, SS_LEFT, 0, "Value", 5, 124, 40, 8},
        {P::kValue, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, "", 48, 122, 60, 12},
        {P::kUseVariable, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Use a variable", 116, 123,
         80, 10},
        {P::kVariableLabel, WC_STATIC, SS_LEFT, 0, "Variable", 5, 142, 40, 8},
        {P::kVariable, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, "", 48, 140, 60, 12},
        {P::kCut, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cut", 212, 121, 45, 14},
        {P::kDelete, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Del", 265, 121, 18, 14},
    };
    for (int k = 0; k < VnConstrOptionGroup::kCount; ++k) {
        c.push_back({P::kOption1 + k, WC_BUTTON, kOptionStyle, 0, std::to_string(k + 1).c_str(),
                     116 + k * 18, 139, 16, 14});
    }
    return c;
}

const DialogTemplateRegistration kTemplate({P::kResourceId, kCaption, kPageStyle, 0, 0, 288, 160,
                                            pageControls()});

struct ClickFlag {
    bool raised = false;
    UINT_PTR timer = 0;
};

ClickFlag& clickFlag() {
    static ClickFlag flag;
    static const bool registered = [] {
        coreAddResetHook([] {
            if (flag.timer != 0) KillTimer(nullptr, flag.timer);
            flag = ClickFlag{};
        });
        return true;
    }();
    (void)registered;
    return flag;
}

void clearClickFlag(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    clickFlag() = ClickFlag{};
}

std::string itemText(CWnd* page, int id) {
    std::string text;
    page->GetDlgItemText(id, text);
    return text;
}

}  // namespace

bool vnConstrClickFlag() {
    return clickFlag().raised;
}

void vnRaiseConstrClickFlag() {
    ClickFlag& flag = clickFlag();
    if (flag.timer != 0) KillTimer(nullptr, flag.timer);
    flag.raised = true;
    flag.timer = SetTimer(nullptr, 0, kClickFlagMs, clearClickFlag);
}

VnConstrListPage::VnConstrListPage(EditConstrData& data) : CDialog(kResourceId), data_(data) {
    connectControls();
}

void VnConstrListPage::connectControls() {
    onMessage(SSM_NOTIFY, [this](WPARAM w, LPARAM l) { return onGridNotify(w, l); });
    onClicked(kUseVariable, [this] { enableFields(); });
    onClicked(kCut, [this] {
        if (shown_ >= 0) StartEditMacroCutDlg(data_, shown_);
    });
    onClicked(kDelete, [this] { deleteConstraint(); });
    for (int k = 1; k <= VnConstrOptionGroup::kCount; ++k)
        onClicked(kOption1 + k - 1, [this, k] { chooseOption(k); });
}

BOOL VnConstrListPage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(kCaption);
    SetDlgItemText(kValueLabel, dialString(kTextValue).c_str());
    SetDlgItemText(kUseVariable, dialString(kTextUseVariable).c_str());
    SetDlgItemText(kVariableLabel, dialString(kTextVariable).c_str());
    SetDlgItemText(kCut, dialString(kTextCut).c_str());
    deleteButton_.SubclassDlgItem(kDelete, this);
    deleteButton_.SetIcon(kDeleteIcon);
    deleteButton_.SetTooltipText(dialString(kTextDeleteTip));
    for (int k = 0; k < VnConstrOptionGroup::kCount; ++k) {
        optionButtons_[k].SubclassDlgItem(kOption1 + k, this);
        optionButtons_[k].DrawFlat(true);
        optionButtons_[k].SetTooltipText(Ktx_String("Enum " + std::to_string(k + 1)));
    }
    setUpGrid();
    fill();
    return TRUE;
}

void VnConstrListPage::setUpGrid() {
    if (!spread_.create(this, kGrid, true)) return;
    spread_.setDefaultLook(1);
    spread_.setFitMode(SpreadFitMode::Equal);
    spread_.setMaxCols(kConstrGridColumns);
    Ktx_StringArray headers;
    for (int key : kHeaderKeys) headers.append(dialString(key));
    spread_.setColumnHeaders(headers);
    // A list, not a table to type in: locked cells look like the others.
    SSSetLockColor(spread_.gridWindow(), RGB(255, 255, 255), RGB(0, 0, 0));
}

void VnConstrListPage::fill(int select) {
    const Ktx_ModuleDesign* m = data_.current();
    const int count = m ? static_cast<int>(m->constraints.size()) : 0;
    if (spread_.isCreated()) {
        spread_.setMaxRows(count);
        for (int i = 0; i < count; ++i)
            spread_.setRowTexts(i + 1, ConstraintRowTexts(m->constraints[static_cast<size_t>(i)]));
        SSSetLockRange(spread_.gridWindow(), SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS, true);
        spread_.fitColumns();
    }
    const int index = count == 0 ? -1 : (select >= 0 && select < count ? select : 0);
    if (index >= 0 && spread_.isCreated()) SSSetActiveCell(spread_.gridWindow(), 1, index + 1);
    showConstraint(index);
}

void VnConstrListPage::showConstraint(int index) {
    const Ktx_Constraint* c = data_.constraint(index);
    shown_ = c ? index : -1;
    const VnConstrFields f = c ? VnConstrFields::of(*c) : VnConstrFields{};
    SetDlgItemText(kValue, f.value.c_str());
    CheckDlgButton(kUseVariable, f.useVariable ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kVariable, f.variable.c_str());
    options_.show(c ? c->optionCount : 0, f.option);
    showOptions();
    ShowOrHideCtrl(this, kCut, f.hasCut);
    enableFields();
}

void VnConstrListPage::showOptions() {
    for (int k = 1; k <= VnConstrOptionGroup::kCount; ++k) {
        CWnd* button = GetDlgItem(kOption1 + k - 1);
        if (button == nullptr) continue;
        button->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, 0);
        button->EnableWindow(options_.isEnabled(k));
        CheckDlgButton(kOption1 + k - 1, options_.isChecked(k) ? BST_CHECKED : BST_UNCHECKED);
    }
}

void VnConstrListPage::chooseOption(int k) {
    if (options_.choose(k)) showOptions();
}

void VnConstrListPage::enableFields() {
    const Ktx_Constraint* c = data_.constraint(shown_);
    const bool useVariable = IsDlgButtonChecked(kUseVariable) == BST_CHECKED;
    EnDisCtrl(this, kValue, c != nullptr && c->hasValue() && !useVariable);
    EnDisCtrl(this, kUseVariable, c != nullptr && c->hasValue());
    EnDisCtrl(this, kVariable, c != nullptr && useVariable);
    EnDisCtrl(this, kDelete, c != nullptr);
}

VnConstrFields VnConstrListPage::readFields() {
    VnConstrFields f;
    f.value = itemText(this, kValue);
    f.useVariable = IsDlgButtonChecked(kUseVariable) == BST_CHECKED;
    f.variable = itemText(this, kVariable);
    f.option = options_.checked();
    return f;
}

bool VnConstrListPage::storeCurrent(bool report) {
    if (GetSafeHwnd() == nullptr || shown_ < 0) return true;
    const VnStoreResult result = vnStoreConstraint(data_, shown_, readFields());
    if (result == VnStoreResult::kStored && spread_.isCreated()) {
        spread_.setRowTexts(shown_ + 1, ConstraintRowTexts(*data_.constraint(shown_)));
    }
    const int key = vnStoreMessageKey(result);
    if (key != 0 && report)
        MessageBox(dialString(key).c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
    return key == 0;
}

void VnConstrListPage::leave() {
    UnHighlightConstraints(data_);
    acedUpdateDisplay();
}

void VnConstrListPage::OnDestroy() {
    leave();
    CDialog::OnDestroy();
}

LRESULT VnConstrListPage::onGridNotify(WPARAM, LPARAM lParam) {
    const auto* n = reinterpret_cast<const SSNotify*>(lParam);
    if (n == nullptr) return 0;
    if (n->code == SSN_ACTIVECELLCHANGED) {
        vnRaiseConstrClickFlag();
        if (n->row != n->row2) onRowClicked(n->row, n->row2);
    } else if (n->code == SSN_COLHEADERCLICK) {
        vnRaiseConstrClickFlag();
        onHeaderClicked(n->col);
    } else if (n->code == SSN_RIGHTCLICK) {
        vnRaiseConstrClickFlag();
        onRightClicked(n->col, n->row);
    }
    return 0;
}

void VnConstrListPage::selectRow(int row) {
    if (spread_.isCreated()) SSSetActiveCell(spread_.gridWindow(), 1, row);
}

void VnConstrListPage::onRowClicked(int row, int oldRow) {
    if (data_.constraint(row - 1) == nullptr) return;
    if (!storeCurrent()) {
        // The shown constraint keeps its edits and its row: nothing typed is lost.
        selectRow(oldRow);
        return;
    }
    selectRow(row);
    showConstraint(row - 1);
    HighlightConstraint(data_, row - 1);
    if (CWnd* grid = GetDlgItem(kGrid)) grid->SetFocus();
}

void VnConstrListPage::onHeaderClicked(int column) {
    const Ktx_ModuleDesign* m = data_.current();
    if (m == nullptr || !vnHeaderClickSorts(column, m->sortColumn)) return;
    if (!storeCurrent()) return;
    if (SortConstraints(data_, column, m->sortColumn) == Acad::eOk) fill();
}

void VnConstrListPage::onRightClicked(int column, int row) {
    const Ktx_ModuleDesign* m = data_.current();
    const int count = m ? static_cast<int>(m->constraints.size()) : 0;
    if (!vnRightClickOpensMenu(column, row, count)) return;
    showConstraint(row - 1);
    if (spread_.isCreated()) SSSetActiveCell(spread_.gridWindow(), column, row);
    Ktx_StringArray entries;
    std::vector<int> checked;
    if (ConstrContextMenu(data_, row - 1, column, entries, checked) != Acad::eOk) return;
    CMenu menu;
    menu.CreatePopupMenu();
    for (int i = 0; i < entries.length(); ++i) {
        if (entries[i].str() == "%BREAK%") {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        const bool check = std::find(checked.begin(), checked.end(), i) != checked.end();
        menu.AppendMenu(MF_STRING | (check ? MF_CHECKED : 0), static_cast<UINT_PTR>(i + 1),
                        entries[i].c_str());
    }
    POINT at{};
    GetCursorPos(&at);
    const int chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, at.x, at.y, this);
    if (chosen <= 0 || chosen > entries.length()) return;
    if (ContextMenuAction(data_, row - 1, column, entries[chosen - 1]) != Acad::eOk) return;
    spread_.setRowTexts(row, ConstraintRowTexts(*data_.constraint(row - 1)));
    showConstraint(row - 1);
}

void VnConstrListPage::deleteConstraint() {
    if (shown_ < 0) return;
    const int deletedRow = shown_ + 1;
    if (DeleteConstraint(data_, shown_) != Acad::eOk) return;
    const int remaining = static_cast<int>(data_.current()->constraints.size());
    fill(vnRowAfterDelete(deletedRow, remaining) - 1);
}
