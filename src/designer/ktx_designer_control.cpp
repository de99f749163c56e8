#include "ktx_designer_control.h"

#include "cbutton.h"
#include "ccombo_box.h"
#include "cedit.h"
#include "file_ops.h"
#include "ktx_settings.h"
#include "string_helpers.h"
#include "text_file.h"

namespace {

const Ktx_String kSeparator = ";";

Ktx_String pieceAt(const Ktx_StringArray& pieces, int i) {
    return i < pieces.length() ? pieces[i] : Ktx_String();
}

Ktx_String joined(std::initializer_list<const Ktx_String*> parts) {
    Ktx_String out;
    bool first = true;
    for (const Ktx_String* p : parts) {
        if (!first) out += kSeparator;
        out += *p;
        first = false;
    }
    return out;
}

bool isFullPath(const Ktx_String& path) {
    return path.startsWith("\\") || path.startsWith("/") ||
           (path.length() >= 2 && path.charAt(1) == ':');
}

template <typename T>
T* childAs(const Ktx_DesignerControl& control, const CWnd* dialog) {
    CWnd* window = nullptr;
    if (!control.getCtrlPtr(dialog, window)) return nullptr;
    return dynamic_cast<T*>(CWnd::FromHandlePermanent(window->GetSafeHwnd()));
}

}  // namespace

Ktx_String designerKey(const char* word, int i) {
    return Ktx_String(word) + Ktx_String(i);
}

void Ktx_DesignerControl::getFromPropList(const Ktx_PropertiesList& list, int i) {
    int t = 0;
    list.getProperty(designerKey("type", i), t);
    type = static_cast<Ktx_ControlType>(t);
    list.getProperty(designerKey("topLeftX", i), topLeftX);
    list.getProperty(designerKey("topLeftY", i), topLeftY);
    list.getProperty(designerKey("bottomRightX", i), bottomRightX);
    list.getProperty(designerKey("bottomRightY", i), bottomRightY);
    list.getProperty(designerKey("contents", i), contents);
    Ktx_String merged;
    list.getProperty(designerKey("comboList", i), merged);
    setSplitExtComboList(merged);
}

void Ktx_DesignerControl::setToPropList(Ktx_PropertiesList& list, int i) const {
    list.setProperty(designerKey("type", i), static_cast<int>(type));
    list.setProperty(designerKey("topLeftX", i), topLeftX);
    list.setProperty(designerKey("topLeftY", i), topLeftY);
    list.setProperty(designerKey("bottomRightX", i), bottomRightX);
    list.setProperty(designerKey("bottomRightY", i), bottomRightY);
    list.setProperty(designerKey("contents", i), contents);
    list.setProperty(designerKey("comboList", i), getMergedExtComboList());
}

Ktx_String Ktx_DesignerControl::getMergedExtComboList() const {
    if (type == kCtrlFlexButton) return joined({&flexGroup, &flexPart2, &flexPart3, &flexPart4});
    if (isAdvancedType(type))
        return joined({&advancedPart1, &advancedPart2, &advancedPart3, &advancedPart4, &comboList});
    return comboList;
}

bool Ktx_DesignerControl::setSplitExtComboList(const Ktx_String& value) {
    if (type == kCtrlFlexButton) {
        const Ktx_StringArray pieces = strToArr(value, kSeparator);
        Ktx_String* parts[] = {&flexGroup, &flexPart2, &flexPart3, &flexPart4};
        for (int i = 0; i < 4; ++i) *parts[i] = pieceAt(pieces, i);
    } else if (isAdvancedType(type)) {
        const Ktx_StringArray pieces = strToArr(value, kSeparator);
        Ktx_String* parts[] = {&advancedPart1, &advancedPart2, &advancedPart3, &advancedPart4,
                               &comboList};
        for (int i = 0; i < 5; ++i) *parts[i] = pieceAt(pieces, i);
    } else {
        comboList = value;
        advancedPart2.clear();
    }
    return true;
}

Ktx_String Ktx_DesignerControl::comboListPath() const {
    return isFullPath(comboList) ? comboList : gSettings.libDir + comboList;
}

void Ktx_DesignerControl::getComboItemsFromFile(Ktx_StringArray& items) const {
    if (comboList.isEmpty()) return;
    const Ktx_String path = comboListPath();
    if (!ObjectExportFileExists(path)) return;
    ObjectExportReadFile(path, items);
}

bool Ktx_DesignerControl::getCtrlPtr(const CWnd* dialog, CWnd*& window) const {
    window = nullptr;
    if (!dialog || !dialog->GetSafeHwnd() || resourceId == 0) return false;
    window = dialog->GetDlgItem(resourceId);
    return window != nullptr;
}

CComboBox* Ktx_DesignerControl::getComboPtr(const CWnd* dialog) const {
    return childAs<CComboBox>(*this, dialog);
}
CButton* Ktx_DesignerControl::getButtonPtr(const CWnd* dialog) const {
    return childAs<CButton>(*this, dialog);
}
CEdit* Ktx_DesignerControl::getEditPtr(const CWnd* dialog) const {
    return childAs<CEdit>(*this, dialog);
}
