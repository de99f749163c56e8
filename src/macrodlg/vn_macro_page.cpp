#include "vn_macro_page.h"

#include "core.h"
#include "vn_macro_dlg.h"

VnMacroDlg* VnMacroPage::getDlgOwner() const {
    for (HWND h = ::GetParent(GetSafeHwnd()); h != nullptr; h = ::GetParent(h)) {
        if (auto* owner = dynamic_cast<VnMacroDlg*>(CWnd::FromHandlePermanent(h))) return owner;
    }
    return nullptr;
}

void VnMacroPage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (GetSafeHwnd()) layOut();
}

void VnMacroPage::apply() {
    MacroTabData* t = tab();
    if (!t) return;
    ready_ = false;
    const MacroTabData before = *t;
    storeValues();
    const MacroDifferences diffs = differences(before, *t);
    VnMacroDlg* owner = getDlgOwner();
    if (!diffs.empty() && owner &&
        UpdateModule(Ktx_String(t->name.c_str()), owner->macroData(), diffs) == Acad::eOk) {
        clashcheck(owner->macroData());
    }
    fillControls(false);
    acedPostCommandPrompt();
    ready_ = true;
}
