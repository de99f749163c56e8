// Tab order and focus at run time.
#include "core.h"
#include "ktx_dlg_designer_data.h"

void Ktx_DlgDesignerData::sortAllControls() {
    std::vector<int> candidates;
    for (int i = 0; i < getNrControls(); ++i) {
        const Ktx_DesignerControl& c = *getControl(i);
        if (!c.readOnly && !isLabelType(c.type)) candidates.push_back(i);
    }
    int counter = 1;
    while (!candidates.empty()) sortNextRow(candidates, counter);
}

void Ktx_DlgDesignerData::sortNextRow(std::vector<int>& candidates, int& counter) {
    double top = 100.0;
    int leader = candidates.front();
    for (int i : candidates) {
        if (getControl(i)->topLeftY < top) {
            top = getControl(i)->topLeftY;
            leader = i;
        }
    }
    const double rowBottom = getControl(leader)->bottomRightY;
    Ktx_Array<double> lefts;
    Ktx_Array<int> row;
    std::vector<int> rest;
    for (int i : candidates) {
        // The leader always belongs to its own row, even with an inverted rectangle.
        if (i == leader || getControl(i)->topLeftY <= rowBottom) {
            lefts.append(getControl(i)->topLeftX);
            row.append(i);
        } else {
            rest.push_back(i);
        }
    }
    candidates = std::move(rest);
    ObjectExportSort(lefts, row, true);
    for (int i : row) getControlWrite(i)->tabOrder = counter++;
}

bool Ktx_DlgDesignerData::findCtrlWithTabOrder(int order, int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        if (getControl(i)->tabOrder == order) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Ktx_DlgDesignerData::containsEditableCtrls() const {
    for (const auto& c : controls) {
        if (!c->readOnly) return true;
    }
    return false;
}

bool Ktx_DlgDesignerData::handleTabKey(UINT key, Ktx_TabMsgHandle& handling) {
    handling = kTabNotHandled;
    if (key != VK_TAB || !initialized || !containsEditableCtrls()) return false;
    int id = 0;
    int index = -1;
    if (!getFocusedDynControl(id) || !findCtrlFromResource(id, index)) return false;
    const int t = getControl(index)->tabOrder;
    int target = -1;
    if (GetKeyState(VK_SHIFT) < 0) {
        if (t < 2 || !findCtrlWithTabOrder(t - 1, target)) {
            handling = kTabBeforeFirst;
            return true;
        }
    } else if (!findCtrlWithTabOrder(t + 1, target)) {
        handling = kTabAfterLast;
        return true;
    }
    setFocusToCtrl(target);
    handling = kTabMoved;
    return true;
}

bool Ktx_DlgDesignerData::setFocusToCtrl(int index) {
    CControlRect* drawn = drawnAt(index);
    if (!drawn || !drawn->window()) return false;
    CWnd* window = drawn->window();
    window->SetFocus();
    const Ktx_DesignerControl* c = getControl(index);
    if (c && isEditType(c->type)) {
        window->SendMessage(EM_SETSEL, 0, -1);
        window->SendMessage(EM_SCROLLCARET);
    }
    return true;
}

bool Ktx_DlgDesignerData::setFocusToCtrl(bool first) {
    if (!containsEditableCtrls()) return false;
    int index = -1;
    if (first) return findCtrlWithTabOrder(1, index) && setFocusToCtrl(index);
    int highest = 0;
    for (int i = 0; i < getNrControls(); ++i) {
        if (getControl(i)->tabOrder > highest) {
            highest = getControl(i)->tabOrder;
            index = i;
        }
    }
    return index >= 0 && setFocusToCtrl(index);
}

bool Ktx_DlgDesignerData::getFocusedDynControl(int& id) const {
    CWnd* focus = CWnd::GetFocus();
    if (!focus) return false;
    // The edit field inside an editable combo box has the focus for its combo.
    for (CWnd* w = focus; w; w = w->GetParent()) {
        const int candidate = w->GetDlgCtrlID();
        if (w->GetSafeHwnd() == dialog) break;
        if (isADynControl(candidate)) {
            id = candidate;
            return true;
        }
    }
    return false;
}

bool Ktx_DlgDesignerData::isADynControl(int id) const {
    int index = -1;
    CControlRect* drawn = nullptr;
    return findDrawnCtrlFromResource(id, index, drawn);
}
