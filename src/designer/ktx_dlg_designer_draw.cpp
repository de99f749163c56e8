// Drawing the controls as child windows, the background picture and the selection frames.
#include <cmath>

#include "core.h"
#include "ktx_dlg_designer_data.h"

namespace {

double gDialogScale = 1.0;
const bool gScaleResetRegistered = (coreAddResetHook([] { gDialogScale = 1.0; }), true);

// At run time a combo box's height includes its drop-down list.
constexpr int kRunTimeComboHeight = 200;
// Bolt-count edits grow with the dialog scale up to this height.
constexpr int kBoltCountMaxHeight = 36;
constexpr UINT kModuleIconId = 239;
constexpr int kMixedValueText = 695;
constexpr int kCutListTexts[] = {1395, 1396, 1397, 1398, kMixedValueText};

std::unique_ptr<CWnd> windowObjectFor(int type) {
    if (isComboType(type)) return std::make_unique<CComboBox>();
    if (isEditType(type)) return std::make_unique<CEdit>();
    if (isButtonType(type)) return std::make_unique<CButton>();
    return std::make_unique<CStatic>();
}

}  // namespace

double designerDialogScale() {
    return gDialogScale;
}
void setDesignerDialogScale(double scale) {
    (void)gScaleResetRegistered;
    gDialogScale = scale;
}

CRect Ktx_DlgDesignerData::drawnRect(const Ktx_DesignerControl& control) const {
    CRect rect = pixelRect(control);
    if (designMode) return rect;
    if (isComboType(control.type) && rect.Height() < kRunTimeComboHeight) {
        rect.bottom = rect.top + kRunTimeComboHeight;
    } else if (isBoltCountType(control.type)) {
        const int h = rect.Height();
        const double extra = 18.0 * designerDialogScale() - 18.0;
        const double target = extra > 0 ? h + 0.625 * extra : h;
        const int c = static_cast<int>(std::ceil(target));
        if (c < kBoltCountMaxHeight && h < c) rect.bottom = rect.top + c;
    }
    return rect;
}

std::unique_ptr<CWnd> Ktx_DlgDesignerData::createWindow(const Ktx_DesignerControl& control,
                                                        const CRect& rect) {
    std::unique_ptr<CWnd> window = windowObjectFor(control.type);
    const DWORD style = WS_CHILD | WS_VISIBLE | controlTypeStyle(control.type);
    if (!window->CreateEx(controlTypeExStyle(control.type), controlTypeClass(control.type),
                          control.contents.c_str(), style, rect, getDlgPtr(),
                          static_cast<UINT>(control.resourceId)))
        return nullptr;
    return window;
}

bool Ktx_DlgDesignerData::drawControl(Ktx_DesignerControl& control) {
    CWnd* dlg = getDlgPtr();
    if (!dlg) return false;
    std::unique_ptr<CWnd> window = createWindow(control, drawnRect(control));
    if (!window) return false;
    window->SendMessage(WM_SETFONT, static_cast<WPARAM>(dlg->SendMessage(WM_GETFONT)), FALSE);
    const bool isStatic = controlTypeClass(control.type) == std::string_view(WC_STATIC);
    if (control.readOnly || (designMode && !isStatic)) window->EnableWindow(FALSE);
    CWnd* raw = window.get();
    drawnControls.push_back(std::make_unique<CControlRect>(std::move(window)));
    if (tracker_) tracker_->addControl(drawnControls.back().get());
    if (isComboType(control.type)) fillCombo(control);
    if (control.type == kCtrlCutList) setComboValue(control.resourceId, control.contents);
    if (control.type == kCtrlCheckBox) setCheckValue(control.resourceId, control.comboList);
    if (control.type == kCtrlFlexButton) setBtnIcon(raw);
    return true;
}

void Ktx_DlgDesignerData::fillCombo(Ktx_DesignerControl& control) {
    CComboBox* combo = control.getComboPtr(getDlgPtr());
    if (!combo) return;
    Ktx_StringArray items;
    if (control.type == kCtrlCutList) {
        for (int key : kCutListTexts) items.append(dialString(key));
    } else if (!control.comboItems.isEmpty()) {
        items = control.comboItems;
    } else {
        control.getComboItemsFromFile(items);
    }
    if (items.isEmpty()) return;
    for (const Ktx_String& item : items) combo->AddString(item.c_str());
    const int found = combo->FindStringExact(-1, control.contents.c_str());
    if (found >= 0)
        combo->SetCurSel(found);
    else
        combo->SetWindowText(control.contents.c_str());
}

bool Ktx_DlgDesignerData::redrawAllControls() {
    if (!initialized || !getDlgPtr()) return false;
    if (!designMode) sortAllControls();
    if (tracker_) tracker_->clearSelection();
    removeAllDrawnCtrls();
    bool all = true;
    for (auto& c : controls) all = drawControl(*c) && all;
    return all;
}

void Ktx_DlgDesignerData::removeAllDrawnCtrls() {
    for (auto& c : controls) removeDrawnCtrlOnly(c->resourceId);
    // Windows left behind by records deleted after they were drawn.
    if (tracker_) tracker_->clearSelection();
    while (!drawnControls.empty()) {
        if (tracker_) tracker_->removeControl(drawnControls.back().get());
        drawnControls.pop_back();
    }
}

void Ktx_DlgDesignerData::removeDrawnCtrlOnly(int id) {
    int index = -1;
    CControlRect* drawn = nullptr;
    if (!findDrawnCtrlFromResource(id, index, drawn)) return;
    if (tracker_) {
        tracker_->clearSelection();
        tracker_->removeControl(drawn);
    }
    drawnControls.erase(drawnControls.begin() + index);
}

bool Ktx_DlgDesignerData::findDrawnCtrlFromResource(int id, int& index,
                                                    CControlRect*& drawn) const {
    for (int i = 0; i < drawnCount(); ++i) {
        if (drawnControls[static_cast<size_t>(i)]->id() == id) {
            index = i;
            drawn = drawnControls[static_cast<size_t>(i)].get();
            return true;
        }
    }
    return false;
}

bool Ktx_DlgDesignerData::getCtrlPtr(int id, CWnd*& window) const {
    int index = -1;
    CControlRect* drawn = nullptr;
    window = nullptr;
    if (!findDrawnCtrlFromResource(id, index, drawn)) return false;
    window = drawn->window();
    return window != nullptr;
}

void Ktx_DlgDesignerData::setBtnIcon(CWnd* button, int /*unused*/) {
    if (!button) return;
    if (!icon)
        icon = static_cast<HICON>(
            LoadImage(nullptr, MAKEINTRESOURCE(kModuleIconId), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    button->SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

BOOL Ktx_DlgDesignerData::OnEraseBkgnd(CDC* dc) {
    CWnd* dlg = getDlgPtr();
    if (!dlg || !dc) return FALSE;
    if (designMode) {
        CRect client;
        dlg->GetClientRect(&client);
        dc->FillSolidRect(&client, GetSysColor(COLOR_3DFACE));
    }
    if (imageWidth == 0 || imageHeight == 0) return FALSE;
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&mask_);
    dc->BitBlt(0, 0, imageWidth, imageHeight, &memory, 0, 0, SRCAND);
    memory.SelectObject(&picture_);
    dc->BitBlt(0, 0, imageWidth, imageHeight, &memory, 0, 0, SRCPAINT);
    memory.SelectObject(old);
    return FALSE;
}

void Ktx_DlgDesignerData::OnPaint(CDC* paintDC) {
    if (initialized && tracker_ && paintDC) tracker_->draw(paintDC);
}

BOOL Ktx_DlgDesignerData::OnSetCursor(UINT hitTest, UINT /*message*/) {
    return initialized && tracker_ && tracker_->setCursor(hitTest);
}

bool Ktx_DlgDesignerData::OnLButtonDown(UINT flags, CPoint point) {
    if (!initialized || !designMode || !tracker_) return false;
    return tracker_->onLButtonDown(flags, point);
}
