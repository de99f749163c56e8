// The designer's property panel: the selected control's type, contents and extension.
#include "core.h"
#include "designer_texts.h"
#include "ktx_dlg_designer_data.h"

namespace {

// Sets a field's text only when it differs (each change would notify the dialog).
void setText(CWnd* dlg, int id, const Ktx_String& text) {
    std::string now;
    dlg->GetDlgItemText(id, now);
    if (now != text.str()) dlg->SetDlgItemText(id, text.c_str());
}

void enable(CWnd* dlg, int id, bool on) {
    if (CWnd* w = dlg->GetDlgItem(id)) w->EnableWindow(on);
}

Ktx_String textOf(CWnd* dlg, int id) {
    std::string text;
    dlg->GetDlgItemText(id, text);
    return text;
}

}  // namespace

void Ktx_DlgDesignerData::fillTypeCombo() {
    CWnd* dlg = getDlgPtr();
    if (!dlg || !dlg->GetDlgItem(typeComboId)) return;
    dlg->SendDlgItemMessage(typeComboId, CB_RESETCONTENT);
    for (const Ktx_String& name : designerTypeNames())
        dlg->SendDlgItemMessage(typeComboId, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(name.c_str()));
}

void Ktx_DlgDesignerData::updatePropsOfCurSel() {
    CWnd* dlg = getDlgPtr();
    if (!designMode || !dlg) return;
    panelGuard_ = true;
    const int index = getCurSel();
    const Ktx_DesignerControl* c = getControl(index);
    const int fields[] = {typeComboId, typeDescriptionId, contentsId, extensionCaptionId,
                          extensionId};
    if (!c) {
        dlg->SendDlgItemMessage(typeComboId, CB_SETCURSEL, static_cast<WPARAM>(-1));
        for (int id : fields) {
            if (id != typeComboId) setText(dlg, id, "");
            enable(dlg, id, false);
        }
        panelGuard_ = false;
        return;
    }
    dlg->SendDlgItemMessage(typeComboId, CB_SETCURSEL, static_cast<WPARAM>(c->type));
    setText(dlg, typeDescriptionId, designerTypeDescription(c->type));
    setText(dlg, contentsId, c->contents);
    for (int id : {typeComboId, typeDescriptionId, contentsId}) enable(dlg, id, true);
    const bool extension = designerTypeHasExtension(c->type);
    setText(dlg, extensionCaptionId, designerExtensionCaption(c->type));
    setText(dlg, extensionId, extension ? c->getMergedExtComboList() : Ktx_String());
    enable(dlg, extensionCaptionId, extension);
    enable(dlg, extensionId, extension);
    selectCtrls({c->resourceId});
    panelGuard_ = false;
}

void Ktx_DlgDesignerData::propsOfCurSelUpdated() {
    CWnd* dlg = getDlgPtr();
    if (!designMode || !tracker_ || panelGuard_ || !dlg) return;
    Ktx_DesignerControl* c = getControlWrite(getCurSel());
    if (!c) return;
    const int id = c->resourceId;
    const Ktx_ControlType oldType = c->type;
    const Ktx_String oldContents = c->contents;
    const int chosen = static_cast<int>(dlg->SendDlgItemMessage(typeComboId, CB_GETCURSEL));
    if (chosen >= 0) c->type = static_cast<Ktx_ControlType>(chosen);
    c->contents = textOf(dlg, contentsId);
    // A type without an extension shows an empty, disabled field: its stored value stays.
    if (designerTypeHasExtension(oldType)) c->setSplitExtComboList(textOf(dlg, extensionId));
    if (c->contents != oldContents) {
        CWnd* window = nullptr;
        if (getCtrlPtr(id, window)) {
            window->SetWindowText(c->contents.c_str());
            window->Invalidate();
        }
    }
    if (c->type != oldType) {
        getSizeFromAllControls();
        redrawAndSelect({id});
    }
}
