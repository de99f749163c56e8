#include "ktx_control_type.h"

namespace {

enum class Kind { Static, Button, Edit, Combo };

Kind kindOf(int type) {
    switch (type) {
        case 1:
        case 6:
        case 12:
        case 14:
        case 17:
        case 24:
        case 25:
        case 26:
        case 29:
        case 30:
            return Kind::Button;
        case 2:
        case 4:
        case 5:
        case 8:
        case 9:
        case 10:
        case 11:
        case 18:
        case 19:
        case 20:
        case 21:
        case 22:
        case 23:
            return Kind::Edit;
        case 3:
        case 7:
        case 13:
        case 15:
        case 16:
        case 27:
        case 28:
            return Kind::Combo;
        default:
            return Kind::Static;
    }
}

DWORD buttonStyle(int type) {
    switch (type) {
        case kCtrlGroupBox:
            return BS_GROUPBOX;
        case kCtrlCheckBox:
            return BS_AUTOCHECKBOX;
        case kCtrlFlexButton:
            return BS_AUTOCHECKBOX | BS_ICON | BS_VCENTER | BS_PUSHLIKE;
        default:
            return BS_PUSHBUTTON;
    }
}

}  // namespace

const char* controlTypeClass(int type) {
    switch (kindOf(type)) {
        case Kind::Button:
            return WC_BUTTON;
        case Kind::Edit:
            return WC_EDIT;
        case Kind::Combo:
            return WC_COMBOBOX;
        case Kind::Static:
            break;
    }
    return WC_STATIC;
}

DWORD controlTypeStyle(int type) {
    switch (kindOf(type)) {
        case Kind::Button:
            return buttonStyle(type);
        case Kind::Edit:
            return isBoltCountType(type) ? ES_MULTILINE : ES_AUTOHSCROLL;
        case Kind::Combo:
            if (type == kCtrlVariableCombo || type == kCtrlProfileRotation)
                return WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
            return WS_VSCROLL | CBS_DROPDOWNLIST;
        case Kind::Static:
            break;
    }
    return 0;
}

DWORD controlTypeExStyle(int type) {
    return isEditType(type) ? WS_EX_CLIENTEDGE : 0;
}

bool isEditType(int type) {
    return kindOf(type) == Kind::Edit;
}
bool isComboType(int type) {
    return kindOf(type) == Kind::Combo;
}
bool isButtonType(int type) {
    return kindOf(type) == Kind::Button;
}
