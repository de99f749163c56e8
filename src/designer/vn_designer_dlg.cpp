#include "vn_designer_dlg.h"

#include <cstring>

#include "core.h"
#include "module_entry.h"

namespace {

using D = VnDesignerDlg;

constexpr int kTextClose = 285;
constexpr int kTextPanel = 836;
const char* const kSizeKey = "DLG_DLGDESIGNER";

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     296,
     164,
     {
         {D::kOpen, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 192, 4, 22, 16},
         {D::kSave, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 216, 4, 22, 16},
         {D::kAdd, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 240, 4, 22, 16},
         {D::kDelete, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 264, 4, 22, 16},
         {D::kPicture, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 192, 22, 22, 16},
         {D::kWidth, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 216, 22, 22, 16},
         {D::kHeight, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 240, 22, 22, 16},
         {D::kCopy, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 264, 22, 22, 16},
         {D::kAlignBottoms, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "_ _", 192, 40, 46, 12},
         {D::kPlaceBeside, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "| |", 240, 40, 46, 12},
         {D::kPanelFrame, WC_BUTTON, BS_GROUPBOX, 0, "", 188, 56, 102, 86},
         {D::kTypeCombo, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 194, 68,
          90, 120},
         {D::kTypeDescription, WC_STATIC, SS_LEFT, 0, "", 194, 84, 90, 16},
         {D::kContents, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, "", 194, 102, 90,
          12},
         {D::kExtensionCaption, WC_STATIC, SS_LEFT, 0, "", 194, 116, 90, 8},
         {D::kExtension, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, "", 194, 126, 90,
          12},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "", 186, 146, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 240, 146, 50, 14},
     }});

// The image buttons and their icons, in the order of the dialog's members.
constexpr int kImageButtons[][2] = {{D::kOpen, 232},   {D::kSave, 233},   {D::kAdd, 212},
                                    {D::kDelete, 206}, {D::kWidth, 235},  {D::kHeight, 236},
                                    {D::kCopy, 223},   {D::kPicture, 231}};

// The dialog's own controls stay at the right-hand side; the picture area grows.
const std::vector<CResizer::Entry> kAnchors = {
    {D::kOpen, CResizer::kTopRight},
    {D::kSave, CResizer::kTopRight},
    {D::kAdd, CResizer::kTopRight},
    {D::kDelete, CResizer::kTopRight},
    {D::kPicture, CResizer::kTopRight},
    {D::kWidth, CResizer::kTopRight},
    {D::kHeight, CResizer::kTopRight},
    {D::kCopy, CResizer::kTopRight},
    {D::kAlignBottoms, CResizer::kTopRight},
    {D::kPlaceBeside, CResizer::kTopRight},
    {D::kPanelFrame, CResizer::kTopRight},
    {D::kTypeCombo, CResizer::kTopRight},
    {D::kTypeDescription, CResizer::kTopRight},
    {D::kContents, CResizer::kTopRight},
    {D::kExtensionCaption, CResizer::kTopRight},
    {D::kExtension, CResizer::kTopRight},
    {IDOK, CResizer::kBottomRight},
    {IDCANCEL, CResizer::kBottomRight},
};

bool isTransparentLabel(CWnd* control) {
    char className[32] = {};
    if (!control || GetClassName(control->GetSafeHwnd(), className, sizeof className) == 0)
        return false;
    return std::strcmp(className, WC_STATIC) == 0 && !(control->GetStyle() & 0x5);
}

}  // namespace

VnDesignerDlg::VnDesignerDlg(const Ktx_String& templatePath, CWnd* parent)
    : CDialog(kResourceId, parent), templatePath_(templatePath) {
    registerCommands();
}

BOOL VnDesignerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    data_.initialize(this, kFirstControlId, kLastControlId, kTypeCombo, kTypeDescription, kContents,
                     kExtensionCaption, kExtension, true);
    CButtonST* button = imageButtons_.data();
    for (const auto& [id, icon] : kImageButtons) {
        button->SubclassDlgItem(id, this);
        (button++)->SetIcon(icon);
    }
    SetDlgItemText(kPanelFrame, dialString(kTextPanel).c_str());
    SetDlgItemText(IDOK, dialString(kTextClose).c_str());
    updateTitle();
    getSafeDlgSize(this, savedSize_);
    resizer_.Init(this, kAnchors);
    resizer_.SetMinTrackSize(savedSize_);
    ChangeDlgSize(this, kSizeKey);
    modified_ = false;
    if (!templatePath_.isEmpty() && ObjectExportFileExists(templatePath_))
        loadTemplate(templatePath_);
    return TRUE;
}

void VnDesignerDlg::updateTitle() {
    Ktx_String title = dialString(843);
    if (!data_.name.isEmpty()) title += " - <" + data_.name + ">";
    SetWindowText(title.c_str());
}

void VnDesignerDlg::loadTemplate(const Ktx_String& path) {
    data_.removeAllDrawnCtrls();
    data_.readFromFile(path, true);
    data_.redrawAllControls();
    data_.updatePropsOfCurSel();
    Invalidate();
    modified_ = false;
    updateTitle();
}

bool VnDesignerDlg::askSave() {
    if (!modified_) return true;
    const Ktx_String text = dialString(838) + "\n<" + data_.name + ">";
    const int answer =
        MessageBox(text.c_str(), dialString(837).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    if (answer == IDYES) data_.writeToFile(getDesignerRootFolder() + data_.name + ".txt");
    return true;
}

BOOL VnDesignerDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void VnDesignerDlg::OnOK() {
    if (askSave()) EndDialog(IDOK);
}

void VnDesignerDlg::OnClose() {
    if (askSave()) EndDialog(IDCANCEL);
}

void VnDesignerDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}

void VnDesignerDlg::OnPaint() {
    CPaintDC dc(this);
    data_.OnPaint(&dc);
}

BOOL VnDesignerDlg::OnEraseBkgnd(CDC* dc) {
    data_.OnEraseBkgnd(dc);
    return TRUE;
}

HBRUSH VnDesignerDlg::OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor) {
    if (isTransparentLabel(control)) {
        dc->SetBkMode(TRANSPARENT);
        return reinterpret_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    }
    return CDialog::OnCtlColor(dc, control, ctlColor);
}

BOOL VnDesignerDlg::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    if (data_.OnSetCursor(hitTest, message)) return TRUE;
    return CDialog::OnSetCursor(window, hitTest, message);
}

void VnDesignerDlg::OnLButtonDown(UINT flags, CPoint point) {
    data_.OnLButtonDown(flags, point);
    data_.updatePropsOfCurSel();
    markModified();
}

void VnDesignerDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    resizer_.OnGetMinMaxInfo(info);
}

void VnDesignerDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!GetSafeHwnd()) return;
    resizer_.Move();
    Invalidate();
}

bool StartDlgDesigner(const Ktx_String& templatePath) {
    VnResourceScope scope(vnResourceOverride());
    VnDesignerDlg dialog(templatePath);
    return dialog.DoModal() == IDOK;
}
