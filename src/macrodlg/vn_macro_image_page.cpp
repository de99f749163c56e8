#include "vn_macro_image_page.h"

#include <algorithm>

#include "core.h"
#include "vn_macro_binding.h"
#include "vn_macro_dlg.h"
#include "vn_macro_fields_dlg.h"

namespace {

using P = VnMacroImagePage;

constexpr int kTextAssembly = 275;
constexpr int kTextDiameter = 328;
constexpr int kTextAdvanced = 968;
constexpr int kBoltArea = 47;
constexpr int kMinRequestedWidth = 310;
constexpr int kGridHeight = 130;

const DialogTemplateRegistration kTemplate(
    {P::kResourceId,
     "",
     kPageStyle,
     0,
     0,
     212,
     195,
     {
         {P::kGridPlace, WC_STATIC, WS_BORDER, 0, "", 2, 2, 208, 160},
         {P::kAssemblyLabel, WC_STATIC, SS_LEFT, 0, "", 4, 168, 70, 8},
         {P::kAssembly, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 4, 178, 70,
          80},
         {P::kDiameterLabel, WC_STATIC, SS_LEFT, 0, "", 80, 168, 50, 8},
         {P::kDiameter, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 80, 178, 50,
          80},
         {P::kAdvanced, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 136, 177, 56, 14},
     }});

// The tab's template file: a full path under the template root, or a template name.
Ktx_String templateFile(const std::string& path) {
    Ktx_String file(path.c_str());
    const Ktx_String root = getDesignerRootFolder();
    if (!file.startsWith(root, false)) file = root + file;
    if (!file.endsWith(".txt", false)) file += ".txt";
    return file;
}

}  // namespace

VnMacroImagePage::VnMacroImagePage(MacroData& data, int tabIndex)
    : VnMacroPage(kResourceId, data, tabIndex) {
    onMessage(SSM_NOTIFY, [this](WPARAM w, LPARAM l) { return onGridNotify(w, l); });
    onClicked(kAdvanced, [this] {
        if (ready_) StartDlgMacroBoltAdvanced(data_, tabIndex_, this);
    });
}

VnMacroImagePage::~VnMacroImagePage() = default;

BOOL VnMacroImagePage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kAssemblyLabel, dialString(kTextAssembly).c_str());
    SetDlgItemText(kDiameterLabel, dialString(kTextDiameter).c_str());
    SetDlgItemText(kAdvanced, dialString(kTextAdvanced).c_str());
    createGrid();
    MacroTabData* t = tab();
    noBoltControls_ = !t || t->edit.kind != 1 || !t->bolts;
    if (!noBoltControls_) {
        resizer_.Init(this, {{kAssemblyLabel, CResizer::kBottomLeft},
                             {kAssembly, CResizer::kBottomLeft},
                             {kDiameterLabel, CResizer::kBottomLeft},
                             {kDiameter, CResizer::kBottomLeft},
                             {kAdvanced, CResizer::kBottomLeft}});
    }
    showBoltControls();
    bindTemplate();
    fillControls(true);
    initialised_ = true;
    return FALSE;
}

void VnMacroImagePage::bindTemplate() {
    MacroTabData* t = tab();
    if (!t || t->edit.templatePath.empty()) return;
    designer_.initialize(this, kFirstTemplateId, kLastTemplateId, 0, 0, 0, 0, 0, false);
    if (!designer_.readFromFile(templateFile(t->edit.templatePath), true)) return;
    hasTemplate_ = true;
    bindMacroTemplate(designer_, *t);
    designer_.redrawAllControls();
}

void VnMacroImagePage::createGrid() {
    if (!grid_.create(this, kGridPlace, true)) return;
    grid_.setDefaultLook(1);
    grid_.setFitMode(SpreadFitMode::OneColumn, 1, 60);
}

void VnMacroImagePage::showBoltControls() {
    for (int id : {kAssemblyLabel, kAssembly, kDiameterLabel, kDiameter, kAdvanced}) {
        if (CWnd* w = GetDlgItem(id)) w->ShowWindow(noBoltControls_ ? SW_HIDE : SW_SHOW);
    }
}

int VnMacroImagePage::bottomArea() const {
    const MacroTabData* t = data_.getTab(tabIndex_);
    if (t && t->edit.kind == 1 && !noBoltControls_) return kBoltArea;
    return 0;
}

CSize VnMacroImagePage::requestedSize() const {
    int width = 0;
    int height = 0;
    designer_.getImageSize(width, height);
    const int gridPart = gridVisible() ? kGridHeight : 0;
    return CSize(std::max(width - 20, kMinRequestedWidth), height + gridPart + bottomArea() - 20);
}

void VnMacroImagePage::layOut() {
    CRect client;
    GetClientRect(&client);
    int pictureWidth = 0;
    int pictureHeight = 0;
    designer_.getImageSize(pictureWidth, pictureHeight);
    if (grid_.isCreated()) {
        const int top = pictureHeight + 2;
        const int height = client.Height() - top - bottomArea() - 4;
        grid_.MoveWindow(3, top, client.Width() - 6, std::max(height, 0));
        grid_.ShowWindow(gridVisible() ? SW_SHOW : SW_HIDE);
    }
    if (!noBoltControls_) resizer_.Move();
}

BOOL VnMacroImagePage::OnEraseBkgnd(CDC* dc) {
    if (hasTemplate_) designer_.OnEraseBkgnd(dc);
    return TRUE;
}

HBRUSH VnMacroImagePage::OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor) {
    Ktx_ControlType type = kCtrlLabel;
    const int id = control ? control->GetDlgCtrlID() : 0;
    if (designer_.getDynControlType(id, type) && isLabelType(type)) {
        dc->SetBkMode(TRANSPARENT);
        return reinterpret_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    }
    return CDialog::OnCtlColor(dc, control, ctlColor);
}

BOOL VnMacroImagePage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const bool own = std::find(std::begin(fixedControls_), std::end(fixedControls_), id) !=
                     std::end(fixedControls_);
    Ktx_ControlType type = kCtrlLabel;
    const bool dynamic = designer_.getDynControlType(id, type);
    if (ready_ && (dynamic || own)) {
        if (code == CBN_SELCHANGE) {
            onComboChanged(id);
            return TRUE;
        }
        if (code == EN_KILLFOCUS || code == CBN_KILLFOCUS) {
            apply();
            return TRUE;
        }
        if (code == BN_CLICKED && dynamic) {
            onTemplateClick(id, type);
            return TRUE;
        }
    }
    return VnMacroPage::OnCommand(wParam, lParam);
}

void VnMacroImagePage::onTemplateClick(int id, Ktx_ControlType type) {
    MacroTabData* t = tab();
    if (!t) return;
    if (type == kCtrlArrayButton || type == kCtrlPatternButton) {
        StartDlgMacroTabItem(data_, tabIndex_, id, this);
        fillControls(false);
    } else if (isAdvancedType(type)) {
        if (StartDlgMacroTabItem(data_, tabIndex_, id, this)) writeTemplateValues(*t);
        apply();
    } else if (type == kCtrlCheckBox) {
        apply();
    } else if (type == kCtrlFlexButton) {
        onFlexButton(id);
    }
}

void VnMacroImagePage::onFlexButton(int id) {
    MacroTabData* t = tab();
    Ktx_String group;
    Ktx_String variable;
    int index = -1;
    int state = -1;
    if (!t || !designer_.getFlexBtnGroupName(id, group, variable) ||
        !designer_.findFlexButton(group, variable, index) ||
        !designer_.getFlexBtnStatus(index, state) || (state != 0 && state != 1)) {
        return;
    }
    MacroTabData changed = *t;
    changed.flexFixBtnClicked(variable, state == 0);
    *t = changed;
    apply();
}

void VnMacroImagePage::onComboChanged(int id) {
    Ktx_ControlType type = kCtrlLabel;
    if (designer_.getDynControlType(id, type) && type == kCtrlBlockList) {
        const Ktx_DesignerControl* c = designer_.getControlFromRes(id);
        Ktx_String name;
        designer_.getCtrlValue(id, name);
        if (c) swapBlockRefs(data_, c->comboList + "\\" + name + ".dwg");
    }
    if (id == kAssembly) fillDiameters();
    apply();
}

LRESULT VnMacroImagePage::onGridNotify(WPARAM, LPARAM lParam) {
    const auto* n = reinterpret_cast<const SSNotify*>(lParam);
    if (!n || !ready_) return 0;
    if (n->code == SSN_CELLCHANGED && n->col == kGridValueColumn) apply();
    return 0;
}

void VnMacroImagePage::closeMacroDialog() {
    if (VnMacroDlg* owner = getDlgOwner()) owner->closeDialog();
}
