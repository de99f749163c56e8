// Control values by resource id, and the flex buttons (type 30).
#include <cstdlib>

#include "core.h"
#include "ktx_dlg_designer_data.h"

namespace {

constexpr int kMixedValueText = 695;

}  // namespace

bool Ktx_DlgDesignerData::getDynControlType(int id, Ktx_ControlType& type) const {
    int index = -1;
    if (!findCtrlFromResource(id, index)) return false;
    type = getControl(index)->type;
    return true;
}

bool Ktx_DlgDesignerData::isTypeBoltCount(int id) const {
    Ktx_ControlType type = kCtrlLabel;
    return getDynControlType(id, type) && isBoltCountType(type);
}

bool Ktx_DlgDesignerData::getCtrlValue(int id, Ktx_String& text) const {
    CWnd* window = nullptr;
    if (!getCtrlPtr(id, window)) return false;
    Ktx_ControlType type = kCtrlLabel;
    getDynControlType(id, type);
    if (type == kCtrlCheckBox) return getCheckValue(id, text);
    if (type == kCtrlCutList) return getComboValue(id, text);
    std::string value;
    window->GetWindowText(value);
    text = value;
    return true;
}

bool Ktx_DlgDesignerData::setCtrlValue(int id, const Ktx_String& text) {
    CWnd* window = nullptr;
    if (!getCtrlPtr(id, window)) return false;
    Ktx_ControlType type = kCtrlLabel;
    getDynControlType(id, type);
    if (isAdvancedType(type)) return true;
    if (type == kCtrlCheckBox) return setCheckValue(id, text);
    if (type == kCtrlCutList) return setComboValue(id, text);
    window->SetWindowText(text.c_str());
    return true;
}

bool Ktx_DlgDesignerData::setCtrlReadOnly(int id, bool readOnly) {
    Ktx_ControlType type = kCtrlLabel;
    if (!getDynControlType(id, type)) return false;
    if (type != kCtrlVariableEdit && type != kCtrlVariableCombo) return false;
    CWnd* window = nullptr;
    if (!getCtrlPtr(id, window)) return false;
    if ((window->IsWindowEnabled() != FALSE) == readOnly) window->EnableWindow(!readOnly);
    return true;
}

bool Ktx_DlgDesignerData::getComboValue(int id, Ktx_String& text) const {
    CWnd* window = nullptr;
    if (!getCtrlPtr(id, window)) return false;
    text = Ktx_String(static_cast<int>(window->SendMessage(CB_GETCURSEL)));
    return true;
}

bool Ktx_DlgDesignerData::setComboValue(int id, const Ktx_String& text) {
    CWnd* window = nullptr;
    if (!getCtrlPtr(id, window)) return false;
    window->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(atoi(text.c_str())));
    return true;
}

bool Ktx_DlgDesignerData::getCheckValue(int id, Ktx_String& text) const {
    CWnd* window = nullptr;
    if (!getCtrlPtr(id, window)) return false;
    const LRESULT state = window->SendMessage(BM_GETCHECK);
    text = state == BST_INDETERMINATE ? dialString(kMixedValueText)
                                      : Ktx_String(state == BST_CHECKED ? "1" : "0");
    return true;
}

bool Ktx_DlgDesignerData::setCheckValue(int id, const Ktx_String& text) {
    CWnd* window = nullptr;
    if (!getCtrlPtr(id, window)) return false;
    const DWORD kept = window->GetStyle() & 0xFFF0;
    if (text == dialString(kMixedValueText)) {
        window->SendMessage(BM_SETSTYLE, (kept | BS_AUTO3STATE) & 0xFFFF, TRUE);
        window->SendMessage(BM_SETCHECK, BST_INDETERMINATE);
        return true;
    }
    window->SendMessage(BM_SETSTYLE, (kept | BS_AUTOCHECKBOX) & 0xFFFF, TRUE);
    window->SendMessage(BM_SETCHECK, atof(text.c_str()) > 0 ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

bool Ktx_DlgDesignerData::getFlexBtnsInGroup(const Ktx_String& group, Ktx_Array<int>& all,
                                             Ktx_Array<int>& withThirdPart) const {
    all.removeAll();
    withThirdPart.removeAll();
    if (group.isEmpty()) return true;
    for (int i = 0; i < getNrControls(); ++i) {
        const Ktx_DesignerControl& c = *getControl(i);
        if (c.type != kCtrlFlexButton || c.flexGroup != group) continue;
        all.append(i);
        if (!c.flexPart3.isEmpty()) withThirdPart.append(i);
    }
    return true;
}

void Ktx_DlgDesignerData::getFlexBtnsGroups(Ktx_StringArray& names) const {
    for (const auto& c : controls) {
        if (c->type == kCtrlFlexButton && !names.contains(c->flexGroup)) names.append(c->flexGroup);
    }
}

bool Ktx_DlgDesignerData::findFlexButton(const Ktx_String& group, const Ktx_String& variable,
                                         int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        const Ktx_DesignerControl& c = *getControl(i);
        if (c.type == kCtrlFlexButton && c.flexGroup == group && c.contents == variable) {
            index = i;
            return true;
        }
    }
    return false;
}

void Ktx_DlgDesignerData::getAllFlexVarsOfGroup(const Ktx_String& group,
                                                Ktx_StringArray& names) const {
    for (const auto& c : controls) {
        if (c->type == kCtrlFlexButton && c->flexGroup == group) names.append(c->contents);
    }
}

bool Ktx_DlgDesignerData::getFlexBtnGroupName(int id, Ktx_String& group,
                                              Ktx_String& variable) const {
    int index = -1;
    if (!findCtrlFromResource(id, index) || getControl(index)->type != kCtrlFlexButton)
        return false;
    group = getControl(index)->flexGroup;
    variable = getControl(index)->contents;
    return true;
}

bool Ktx_DlgDesignerData::getFlexBtnStatus(int index, int& state) const {
    const Ktx_DesignerControl* c = getControl(index);
    CWnd* window = nullptr;
    if (!c || !getCtrlPtr(c->resourceId, window)) return false;
    state = static_cast<int>(window->SendMessage(BM_GETCHECK));
    return true;
}

bool Ktx_DlgDesignerData::setFlexBtnStatus(const Ktx_String& group, const Ktx_String& variable,
                                           int state) {
    int index = -1;
    CWnd* window = nullptr;
    if (!findFlexButton(group, variable, index) ||
        !getCtrlPtr(getControl(index)->resourceId, window))
        return false;
    window->SendMessage(BM_SETCHECK, static_cast<WPARAM>(state == 2 ? 0 : state));
    return true;
}

void Ktx_DlgDesignerData::hideAllFlexBtns(const Ktx_String& group) {
    for (const auto& c : controls) {
        if (c->type == kCtrlFlexButton && c->flexGroup == group)
            ShowOrHideCtrl(getDlgPtr(), c->resourceId, false);
    }
}
