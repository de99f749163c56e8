// The template list and initialization.
#include "ktx_dlg_designer_data.h"

#include <algorithm>
#include <set>

#include "acad.h"

Ktx_DlgDesignerData::Ktx_DlgDesignerData() {
    drawnControls.reserve(8);
    controls.reserve(8);
}

Ktx_DlgDesignerData::~Ktx_DlgDesignerData() {
    if (tracker_) tracker_->clearSelection();
    drawnControls.clear();
    if (icon) DestroyIcon(icon);
}

const Ktx_DesignerControl* Ktx_DlgDesignerData::getControl(int index) const {
    if (index < 0 || index >= getNrControls()) return nullptr;
    return controls[static_cast<size_t>(index)].get();
}

Ktx_DesignerControl* Ktx_DlgDesignerData::getControlWrite(int index) {
    if (index < 0 || index >= getNrControls()) return nullptr;
    return controls[static_cast<size_t>(index)].get();
}

Ktx_DesignerControl* Ktx_DlgDesignerData::getControlFromRes(int id) {
    int index = -1;
    return findCtrlFromResource(id, index) ? getControlWrite(index) : nullptr;
}

bool Ktx_DlgDesignerData::findCtrlFromResource(int id, int& index) const {
    if (id < 1) return false;
    for (int i = 0; i < getNrControls(); ++i) {
        if (controls[static_cast<size_t>(i)]->resourceId == id) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Ktx_DlgDesignerData::findEditCtrlWithContents(const Ktx_String& text, int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        const Ktx_DesignerControl& c = *controls[static_cast<size_t>(i)];
        if ((c.type == kCtrlVariableEdit || c.type == kCtrlVariableCombo) && c.contents == text) {
            index = i;
            return true;
        }
    }
    return false;
}

int Ktx_DlgDesignerData::append(Ktx_DesignerControl& control) {
    std::set<int> used;
    for (const auto& c : controls) used.insert(c->resourceId);
    int id = 0;
    for (int candidate = firstResourceId; candidate <= lastResourceId; ++candidate) {
        if (!used.contains(candidate)) {
            id = candidate;
            break;
        }
    }
    control.resourceId = id;
    controls.push_back(std::make_unique<Ktx_DesignerControl>(control));
    return id;
}

bool Ktx_DlgDesignerData::removeControl(int index) {
    if (index < 0 || index >= getNrControls()) return false;
    controls.erase(controls.begin() + index);
    return true;
}

void Ktx_DlgDesignerData::removeAllControls() {
    controls.clear();
}

void Ktx_DlgDesignerData::getAllCtrlNames(Ktx_StringArray& names) const {
    for (const auto& c : controls) {
        if (c->type == kCtrlVariableEdit) names.append(c->contents);
    }
}

bool Ktx_DlgDesignerData::initialize(CWnd* dlg, int firstId, int lastId, int typeCombo,
                                     int typeDescription, int contentsField, int extensionCaption,
                                     int extensionField, bool design) {
    if (!dlg || !dlg->GetSafeHwnd()) return false;
    dialog = dlg->GetSafeHwnd();
    firstResourceId = firstId;
    lastResourceId = lastId;
    designMode = design;
    initialized = true;
    if (!designMode) return true;
    if (!tracker_) tracker_ = std::make_unique<CDesignerTracker>();
    tracker_->setDialog(dlg);
    typeComboId = typeCombo;
    typeDescriptionId = typeDescription;
    contentsId = contentsField;
    extensionCaptionId = extensionCaption;
    extensionId = extensionField;
    fillTypeCombo();
    updatePropsOfCurSel();
    return true;
}

CWnd* Ktx_DlgDesignerData::getDlgPtr() const {
    if (!initialized || !dialog) return nullptr;
    return CWnd::FromHandle(dialog);
}

CControlRect* Ktx_DlgDesignerData::drawnAt(int index) const {
    if (index < 0 || index >= drawnCount()) return nullptr;
    return drawnControls[static_cast<size_t>(index)].get();
}

void Ktx_DlgDesignerData::printPositions() const {
    for (const auto& c : controls) {
        acutPrintf("**** Control %s ****\n", c->contents.c_str());
        acutPrintf("Left: %f - Right: %f\n", c->topLeftX, c->bottomRightX);
        acutPrintf("Top: %f - Bottom: %f\n", c->topLeftY, c->bottomRightY);
    }
    acutPrintf("********\n");
}
