#pragma once
// Ktx_ControlType: the 31 kinds of control a dialog template may hold (0 to 30). The value
// is also the position of the type's name in the designer's type list. Each type is drawn as
// a window of one of four classes with a style of its own; a value outside 0..30 is drawn as
// a label.
#include <cstdint>

#include "win.h"

enum Ktx_ControlType : std::int32_t {
    kCtrlLabel = 0,
    kCtrlGroupBox = 1,
    kCtrlVariableEdit = 2,
    kCtrlVariableCombo = 3,
    kCtrlBoltCount1 = 4,
    kCtrlBoltCount2 = 5,
    kCtrlPatternButton = 6,
    kCtrlBoltField1 = 7,
    kCtrlBoltAdvanced = 12,
    kCtrlProfileName = 13,
    kCtrlProfileButton = 14,
    kCtrlProfileOffset = 15,
    kCtrlProfileRotation = 16,
    kCtrlProfileAdvanced = 17,
    kCtrlArrayCount = 20,
    kCtrlArrayEntry = 23,
    kCtrlArrayButton = 24,
    kCtrlAdvancedCell1 = 25,
    kCtrlAdvancedCell2 = 26,
    kCtrlBlockList = 27,
    kCtrlCutList = 28,
    kCtrlCheckBox = 29,
    kCtrlFlexButton = 30,
};

constexpr int kControlTypeCount = 31;

// The window class ("STATIC", "BUTTON", "EDIT", "COMBOBOX") a type is drawn with.
const char* controlTypeClass(int type);
// The window style beyond WS_CHILD | WS_VISIBLE, and the extended style.
DWORD controlTypeStyle(int type);
DWORD controlTypeExStyle(int type);

bool isEditType(int type);
bool isComboType(int type);
bool isButtonType(int type);
// Labels and group boxes: never in the tab order.
inline bool isLabelType(int type) {
    return type == kCtrlLabel || type == kCtrlGroupBox;
}
// Types 4 and 5: multi-line edits for bolt counts.
inline bool isBoltCountType(int type) {
    return type == kCtrlBoltCount1 || type == kCtrlBoltCount2;
}
// Types 25 and 26: push buttons with a five-part extension.
inline bool isAdvancedType(int type) {
    return type == kCtrlAdvancedCell1 || type == kCtrlAdvancedCell2;
}
