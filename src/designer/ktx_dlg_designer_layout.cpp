// The design commands on the selected controls.
#include "core.h"
#include "ktx_dlg_designer_data.h"
#include "vn_input_line_dlg.h"

namespace {

constexpr int kTextNewControl = 171;
constexpr int kTextWidthCaption = 90;
constexpr int kTextHeightCaption = 744;
constexpr int kTextWidthPrompt = 825;
constexpr int kTextHeightPrompt = 826;
constexpr double kNewWidth = 30.0;
constexpr double kNewHeight = 18.0;
constexpr double kCopyOffset = 20.0;

}  // namespace

int Ktx_DlgDesignerData::getCurSel() const {
    if (!tracker_ || tracker_->selection().size() != 1) return -1;
    int index = -1;
    return findCtrlFromResource(tracker_->selection().front()->id(), index) ? index : -1;
}

std::vector<int> Ktx_DlgDesignerData::getSelectedIds() const {
    std::vector<int> ids;
    if (tracker_) {
        for (const CControlRect* c : tracker_->selection()) ids.push_back(c->id());
    }
    return ids;
}

bool Ktx_DlgDesignerData::selectCtrls(const std::vector<int>& ids) {
    if (!tracker_) return false;
    tracker_->clearSelection();
    for (int id : ids) {
        int index = -1;
        CControlRect* drawn = nullptr;
        if (findDrawnCtrlFromResource(id, index, drawn)) tracker_->select(drawn);
    }
    if (CWnd* dlg = getDlgPtr()) dlg->Invalidate();
    return true;
}

void Ktx_DlgDesignerData::redrawAndSelect(const std::vector<int>& ids) {
    redrawAllControls();
    selectCtrls(ids);
}

bool Ktx_DlgDesignerData::addNewControl(int type) {
    Ktx_DesignerControl control;
    control.type = static_cast<Ktx_ControlType>(type);
    control.contents = dialString(kTextNewControl);
    control.topLeftX = 0.2;
    control.topLeftY = 0.2;
    control.bottomRightX = 0.2 + pixelsToFactor(true, kNewWidth);
    control.bottomRightY = 0.2 + pixelsToFactor(false, kNewHeight);
    append(control);
    drawControl(*controls.back());
    return true;
}

bool Ktx_DlgDesignerData::removeCurControls() {
    if (!tracker_) return false;
    for (int id : getSelectedIds()) {
        removeDrawnCtrlOnly(id);
        int index = -1;
        if (findCtrlFromResource(id, index)) removeControl(index);
    }
    return true;
}

bool Ktx_DlgDesignerData::copyCurCtrls() {
    const std::vector<int> ids = getSelectedIds();
    if (ids.empty()) return false;
    getSizeFromAllControls();
    std::vector<int> copies;
    for (int id : ids) {
        const Ktx_DesignerControl* original = getControlFromRes(id);
        if (!original) continue;
        Ktx_DesignerControl copy = *original;
        setTopLeftX(copy, getTopLeftX(copy) + kCopyOffset);
        setTopLeftY(copy, getTopLeftY(copy) + kCopyOffset);
        setBottomRightX(copy, getBottomRightX(copy) + kCopyOffset);
        setBottomRightY(copy, getBottomRightY(copy) + kCopyOffset);
        copies.push_back(append(copy));
        drawControl(*controls.back());
    }
    redrawAndSelect(copies);
    return true;
}

bool Ktx_DlgDesignerData::changeCtrlSize(bool horizontal) {
    const std::vector<int> ids = getSelectedIds();
    if (ids.empty()) return false;
    getSizeFromAllControls();
    VnInputLineData input;
    input.caption = dialString(horizontal ? kTextWidthCaption : kTextHeightCaption);
    input.prompt = dialString(horizontal ? kTextWidthPrompt : kTextHeightPrompt);
    input.text = horizontal ? "30" : "18";
    if (!StartDlgInputLine(input, getDlgPtr())) return false;
    const double pixels = atof(input.text.c_str());
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index)) changeCtrlSize(index, horizontal, pixels);
    }
    redrawAndSelect(ids);
    return true;
}

bool Ktx_DlgDesignerData::findMostLeftCtrl(const std::vector<int>& ids, int& index) const {
    double bound = 100000.0;
    bool found = false;
    for (int id : ids) {
        int i = -1;
        if (!findCtrlFromResource(id, i)) continue;
        const double left = getTopLeftX(*getControl(i));
        if (left < bound) {
            bound = left;
            index = i;
            found = true;
        }
    }
    return found;
}

bool Ktx_DlgDesignerData::outlineCurCtrls() {
    const std::vector<int> ids = getSelectedIds();
    if (ids.empty()) return false;
    getSizeFromAllControls();
    int refIndex = -1;
    if (!findMostLeftCtrl(ids, refIndex)) return false;
    const Ktx_DesignerControl& ref = *getControl(refIndex);
    for (int id : ids) {
        Ktx_DesignerControl* c = getControlFromRes(id);
        if (!c || c == &ref) continue;
        const double height = getHeight(*c);
        c->bottomRightY = ref.bottomRightY;
        setHeight(*c, height);
    }
    redrawAndSelect(ids);
    return true;
}

bool Ktx_DlgDesignerData::stickRightCurCtrls() {
    const std::vector<int> ids = getSelectedIds();
    if (ids.size() != 2) return false;
    getSizeFromAllControls();
    int refIndex = -1;
    if (!findMostLeftCtrl(ids, refIndex)) return false;
    const Ktx_DesignerControl& ref = *getControl(refIndex);
    Ktx_DesignerControl* other = getControlFromRes(ids[0] == ref.resourceId ? ids[1] : ids[0]);
    if (!other) return false;
    const double width = getWidth(*other);
    setTopLeftY(*other, getBottomRightY(ref) - getHeight(ref));
    setTopLeftX(*other, getBottomRightX(ref));
    other->bottomRightY = ref.bottomRightY;
    setBottomRightX(*other, getBottomRightX(ref) + width);
    redrawAndSelect(ids);
    return true;
}
