#include "vn_lib_simple_dlg.h"

#include <string>

#include "dial_string.h"
#include "dlg_size.h"
#include "module_entry.h"
#include "path_translation.h"
#include "section_images.h"
#include "section_types.h"
#include "vn_temp_resource_override.h"
#include "win.h"

namespace {

using D = VnLibSimpleDlg;

constexpr int kTextTitle = 796;
constexpr int kTextName = 797;
constexpr int kTextAutomatic = 1377;
constexpr int kTextTyped = 1378;
constexpr int kTextCheckCaption = 1098;
constexpr int kTextCheckLine1 = 1457;
constexpr int kTextCheckLine2 = 1458;
constexpr int kTextCorrect = 888;
const char kSizeName[] = "DLG_EDITLIBSIMPLE";

std::vector<DialogControl> simpleItems() {
    std::vector<DialogControl> items = {
        {D::kNameGroup, WC_BUTTON, BS_GROUPBOX, 0, "Name", 7, 7, 302, 50},
        {D::kAutomatic, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, "Automatic name",
         15, 19, 120, 10},
        {D::kTyped, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "Typed name", 150, 19, 120, 10},
        {D::kNameLabel, WC_STATIC, SS_LEFT, 0, "Name:", 15, 38, 40, 8},
        {D::kName, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 60, 35, 240, 14},
        {D::kPicture, WC_STATIC, SS_BITMAP | SS_CENTERIMAGE | WS_BORDER, 0, "", 160, 64, 149, 140},
        {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 204, 242, 50, 14},
        {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 259, 242, 50, 14},
    };
    for (int k = 0; k < kSimpleMaxFields; ++k) {
        const int y = 64 + 16 * k;
        items.push_back({D::kFirstLabel + 2 * k, WC_STATIC, SS_LEFT, 0, "", 7, y + 3, 60, 8});
        items.push_back({D::kFirstField + 2 * k, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                         0, "", 70, y, 80, 14});
    }
    return items;
}

const DialogTemplateRegistration kTemplate({D::kResourceId, "Add a section size", kDialogStyle, 0,
                                            0, 316, 263, simpleItems()});

}  // namespace

VnLibSimpleDlg::VnLibSimpleDlg(VnLibSimpleModel& model, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), model_(model) {
    bindControls();
}

VnLibSimpleDlg::~VnLibSimpleDlg() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

void VnLibSimpleDlg::bindControls() {
    VnLibSimpleModel& m = model_;
    std::vector<VnBinding> table = {
        VnBinding::label(kNameGroup, kTextName),
        VnBinding::radio(
            kAutomatic, [&m] { return m.automaticName(); }, [&m] { m.setAutomaticName(true); })
            .caption(kTextAutomatic),
        VnBinding::radio(
            kTyped, [&m] { return !m.automaticName(); }, [&m] { m.setAutomaticName(false); })
            .caption(kTextTyped),
        VnBinding::textField(
            kName, [&m] { return m.nameText().str(); },
            [&m](const std::string& text) { m.setTypedName(Ktx_String(text)); })
            .enabledWhen([&m] { return !m.automaticName(); }),
    };
    for (int k = 0; k < kSimpleMaxFields; ++k) {
        auto shown = [&m, k] { return k < m.fieldCount(); };
        VnBinding fieldLabel;  // its text is the model's label, set on opening
        fieldLabel.control = kFirstLabel + 2 * k;
        table.push_back(fieldLabel.visibleWhen(shown));
        table.push_back(
            VnBinding::textField(
                kFirstField + 2 * k, [&m, k] { return m.fieldText(k).str(); },
                [&m, k](const std::string& text) { m.setFieldText(k, Ktx_String(text)); })
                .visibleWhen(shown));
    }
    bind(std::move(table));
}

BOOL VnLibSimpleDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(kNameLabel, (dialString(kTextName) + ":").c_str());
    for (int k = 0; k < model_.fieldCount(); ++k) {
        SetDlgItemText(kFirstLabel + 2 * k, model_.label(k).c_str());
    }
    showPicture();
    ChangeDlgSize(this, kSizeName);
    return TRUE;
}

void VnLibSimpleDlg::showPicture() {
    const Ktx_String shape = model_.table().shapeRef;
    const bool typed = !isDrawingShape(shape) && shapeTypeNumber(shape) > 0;
    const Ktx_String file = sectionIconsFolder() + sectionImageName(shape, "", true);
    if (typed || isDrawingShape(shape)) {
        bitmap_ = static_cast<HBITMAP>(
            LoadImage(nullptr, hostPath(file).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    }
    picture_.SubclassDlgItem(kPicture, this);
    if (bitmap_ != nullptr) picture_.SetBitmap(bitmap_);
    picture_.ShowWindow(bitmap_ != nullptr ? SW_SHOW : SW_HIDE);
}

void VnLibSimpleDlg::OnOK() {
    switch (model_.add(newRow_)) {
        case VnLibSimpleModel::AddResult::Added:
            WriteDlgSize(this, kSizeName);
            EndDialog(IDOK);
            return;
        case VnLibSimpleModel::AddResult::Refused: {
            const Ktx_String text = dialString(kTextCheckLine1) + "\n" +
                                    dialString(kTextCheckLine2) + "\n\n" +
                                    dialString(kTextCorrect) + ".";
            MessageBox(text.c_str(), dialString(kTextCheckCaption).c_str(), MB_OK | MB_ICONWARNING);
            return;
        }
        case VnLibSimpleModel::AddResult::Failed:
            OnCancel();
            return;
    }
}

void VnLibSimpleDlg::OnCancel() {
    WriteDlgSize(this, kSizeName);
    VnBoundDialog::OnCancel();
}

bool StartDlgEditLibSimple(const Ktx_String& templateSysName, Ktx_ProfValuesTable& table,
                           int& newRow) {
    VnResourceScope resources(vnResourceOverride());
    VnLibSimpleModel model(templateSysName, table);
    VnLibSimpleDlg dialog(model);
    if (dialog.DoModal() != IDOK) return false;
    table = model.table();
    newRow = dialog.newRow();
    return true;
}
