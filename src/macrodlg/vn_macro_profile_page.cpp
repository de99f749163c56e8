#include "vn_macro_profile_page.h"

#include <algorithm>

#include "core.h"
#include "vn_macro_dlg.h"
#include "vn_macro_prof_adv.h"

namespace {

using P = VnMacroProfilePage;

constexpr int kTextProfiles = 969;
constexpr int kColumns = 6;
constexpr int kButtonArea = 20;
constexpr int kTextGroup = 770;
constexpr int kTextMember = 1783;
constexpr int kTextSection = 1781;
constexpr int kTextMaterial = 1782;
constexpr int kTextOffset = 1784;
constexpr int kTextRotation = 1785;

const DialogTemplateRegistration kTemplate(
    {P::kResourceId,
     "",
     kPageStyle,
     0,
     0,
     212,
     120,
     {
         {P::kGrid, WC_STATIC, WS_BORDER, 0, "", 2, 2, 208, 100},
         {P::kProfiles, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 2, 104, 60, 14},
     }});

Ktx_String str(const std::string& s) {
    return Ktx_String(s.c_str());
}

}  // namespace

VnMacroProfilePage::VnMacroProfilePage(MacroData& data, int tabIndex)
    : VnMacroPage(kResourceId, data, tabIndex) {
    onClicked(kProfiles, [this] { openAdvanced(); });
    onMessage(SSM_NOTIFY, [this](WPARAM w, LPARAM l) { return onGridNotify(w, l); });
}

VnMacroProfilePage::~VnMacroProfilePage() = default;

BOOL VnMacroProfilePage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kProfiles, dialString(kTextProfiles).c_str());
    if (grid_.create(this, kGrid, true)) grid_.setDefaultLook(1);
    fillControls(true);
    return FALSE;
}

BOOL VnMacroProfilePage::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        if (VnMacroDlg* owner = getDlgOwner()) owner->closeDialog();
        return TRUE;
    }
    return FALSE;
}

void VnMacroProfilePage::fillControls(bool) {
    MacroTabData* t = tab();
    if (!t || !grid_.isCreated()) return;
    ready_ = false;
    HWND g = grid_.gridWindow();
    grid_.setMaxCols(kColumns);
    grid_.setMaxRows(static_cast<int>(t->groups.size()));
    grid_.setColumnHeaders({dialString(kTextGroup), dialString(kTextMember),
                            dialString(kTextSection), dialString(kTextMaterial),
                            dialString(kTextOffset), dialString(kTextRotation)});
    for (int row = 1; row <= static_cast<int>(t->groups.size()); ++row) {
        const MacroGroupProps& p = t->groups[row - 1];
        grid_.setRowTexts(row, {str(p.groupName), str(p.memberName), str(p.sectionName),
                                str(p.material), str(p.offsetType), str(p.rotation)});
        SSSetLock(g, 1, row, true);
    }
    grid_.fitColumns();
    layOut();
    ready_ = true;
}

void VnMacroProfilePage::storeValues() {
    MacroTabData* t = tab();
    if (!t || !grid_.isCreated()) return;
    for (int row = 1; row <= static_cast<int>(t->groups.size()); ++row) {
        MacroGroupProps& p = t->groups[row - 1];
        Ktx_StringArray texts;
        if (!grid_.getRowTexts(row, texts) || texts.length() < kColumns) continue;
        p.memberName = texts[1].c_str();
        p.sectionName = texts[2].c_str();
        p.material = texts[3].c_str();
        p.offsetType = texts[4].c_str();
        p.rotation = texts[5].c_str();
    }
}

CSize VnMacroProfilePage::requestedSize() const {
    const MacroTabData* t = data_.getTab(tabIndex_);
    const int rows = t ? static_cast<int>(t->groups.size()) : 0;
    return CSize(310, std::max(120, 40 + rows * 20) + kButtonArea);
}

void VnMacroProfilePage::layOut() {
    CRect client;
    GetClientRect(&client);
    if (grid_.isCreated())
        grid_.MoveWindow(3, 2, client.Width() - 6, std::max(client.Height() - kButtonArea - 6, 0));
    if (CWnd* b = GetDlgItem(kProfiles)) b->MoveWindow(3, client.Height() - kButtonArea, 90, 18);
}

void VnMacroProfilePage::openAdvanced() {
    MacroTabData* t = tab();
    if (!t || !ready_ || !grid_.isCreated()) return;
    storeValues();
    const int row = grid_.getSelectionRow();
    if (row < 1 || row > static_cast<int>(t->groups.size())) return;
    const Ktx_String tabName = str(t->name);
    if (StartDlgMacroProfAdv(data_, tabName, str(t->groups[row - 1].groupName), false))
        fillControls(false);
}

LRESULT VnMacroProfilePage::onGridNotify(WPARAM, LPARAM lParam) {
    const auto* n = reinterpret_cast<const SSNotify*>(lParam);
    if (n && ready_ && n->code == SSN_CELLCHANGED) apply();
    return 0;
}
