#include "vn_select_macro_dlg.h"

#include "dial_string.h"
#include "dlg_controls.h"
#include "dlg_size.h"
#include "grid.h"
#include "ktx_spread.h"
#include "module_entry.h"
#include "preview_bmps.h"
#include "win.h"

namespace {

using D = VnSelectMacroDlg;

constexpr int kHintTop = 165;
const char* const kFilterTip = "Show or hide filter options";
const char* const kPreviewKind = "abm";
constexpr int kFrameCaptionHeight = 8;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     223,
     225,
     {
         {D::kFilterButton, WC_BUTTON, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, "", 7, 5, 18, 14},
         {D::kPreviews, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "", 30, 7, 120, 10},
         {D::kFilterFrame, WC_BUTTON, BS_GROUPBOX, 0, "", 7, 23, 209, 80},
         {D::kFilterGrid, WC_STATIC, WS_BORDER, 0, "", 12, 34, 199, 64},
         {D::kThumbnails, WC_LISTVIEW, LVS_ICON | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, 0, "", 7,
          110, 209, 88},
         {D::kHint, WC_STATIC, SS_LEFT, 0, "", 7, kHintTop, 209, 30},
         {D::kOther, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "", 7, 204, 50, 14},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 111, 204, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 166, 204, 50, 14},
     }});

int heightOf(CWnd* dialog, int id) {
    CWnd* control = dialog->GetDlgItem(id);
    if (control == nullptr) return 0;
    CRect rect;
    control->GetWindowRect(&rect);
    return rect.Height();
}

}  // namespace

VnSelectMacroDlg::VnSelectMacroDlg(VnSelectMacroModel& model, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), model_(model), grid_(std::make_unique<Ktx_Spread>()) {
    bind({
        VnBinding::label(IDOK, 1),
        VnBinding::label(IDCANCEL, 2),
        VnBinding::button(kOther, [this] { chooseOther(); }).caption(1309).enabledWhen([this] {
            return model_.otherChoiceEnabled();
        }),
        VnBinding::button(kFilterButton, [this] { toggleFilters(); }),
        VnBinding::label(kPreviews, 1118),
        hintBinding(),
    });
    onNotify(kThumbnails, NM_DBLCLK, [this](NMHDR*, LRESULT*) { OnOK(); });
    onMessage(SSM_NOTIFY, [this](WPARAM w, LPARAM l) { return onGridNotify(w, l); });
}

VnSelectMacroDlg::~VnSelectMacroDlg() = default;

// The hint keeps the text set at opening; it is shown only when the model says so.
VnBinding VnSelectMacroDlg::hintBinding() {
    VnBinding hint;
    hint.control = kHint;
    hint.visible = [this] { return model_.hintShown(); };
    return hint;
}

BOOL VnSelectMacroDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    if (grid_->create(this, kFilterGrid)) grid_->setDefaultLook(1);
    filterButton_.SubclassDlgItem(kFilterButton, this);
    filterButton_.SetTooltipText(kFilterTip);
    filterButton_.SetIcon(kIconShown);
    setUpHint();
    getSafeDlgSize(this, savedSize_);
    resizer_.SetMinTrackSize(savedSize_);
    initResizer();
    ChangeDlgSize(this, kRegSection);
    thumbnails_.SubclassDlgItem(kThumbnails, this);
    thumbnails_.Initialize(
        ImageListData{model_.filter.getThumbnailWidth(), model_.filter.getThumbnailHeight()});
    setUpTexts();
    createPreviews();
    fillFilterGrid();
    CheckDlgButton(kPreviews, BST_CHECKED);
    fillThumbnails();
    gridHeight_ = heightOf(this, kFilterFrame) - kFrameCaptionHeight;
    readDlgRegBool(kRegSection, kRegLargeDlg, model_.showFilters);
    showOrHideFilters(!model_.showFilters);
    return TRUE;
}

void VnSelectMacroDlg::setUpHint() {
    if (!model_.hintShown()) return;
    const Ktx_String hint = dialString(1312) + "\n" + dialString(1313);
    SetDlgItemText(kHint, hint.c_str());
    resizeCtrl(this, kThumbnails, kSideBottom, -kHintHeight);
}

void VnSelectMacroDlg::initResizer() {
    resizer_.Init(this, {{kFilterButton, CResizer::kTopLeft},
                         {kPreviews, CResizer::kTopLeft},
                         {kFilterFrame, CResizer::kTopLeftRight},
                         {kFilterGrid, CResizer::kTopLeftRight},
                         {kThumbnails, CResizer::kAll},
                         {kHint, CResizer::kBottomLeftRight},
                         {kOther, CResizer::kBottomLeft},
                         {IDOK, CResizer::kBottomRight},
                         {IDCANCEL, CResizer::kBottomRight}});
}

void VnSelectMacroDlg::setUpTexts() {
    SetWindowText(model_.windowCaption().c_str());
}

void VnSelectMacroDlg::createPreviews() {
    const Ktx_StringArray missing = model_.drawingsWithoutPreview();
    if (!missing.isEmpty())
        CreatePreviewBMPs(missing, model_.filter.getThumbnailWidth(),
                          model_.filter.getThumbnailHeight(), kPreviewKind);
}

void VnSelectMacroDlg::fillThumbnails() {
    Ktx_StringArray files, labels;
    model_.filteredThumbnails(files, labels);
    thumbnails_.DrawThumbnails(files, labels);
    SetDlgItemText(kFilterFrame, model_.frameCaption(files.length()).c_str());
}

void VnSelectMacroDlg::OnOK() {
    if (model_.choose(thumbnails_.GetSelectionName())) VnBoundDialog::OnOK();
}

void VnSelectMacroDlg::chooseOther() {
    model_.chooseOther();
    EndDialog(IDOK);
}

void VnSelectMacroDlg::toggleFilters() {
    model_.showFilters = !model_.showFilters;
    showOrHideFilters(true);
}

// Shows or hides the grid; with `resize` the frame and the thumbnails give and take the
// grid's room (at opening a shown grid already has it).
void VnSelectMacroDlg::showOrHideFilters(bool resize) {
    const bool show = model_.showFilters;
    ShowOrHideCtrl(this, kFilterGrid, show);
    if (resize) {
        const int amount = show ? gridHeight_ : -gridHeight_;
        resizeCtrl(this, kFilterFrame, kSideBottom, amount);
        resizeCtrl(this, kThumbnails, kSideTop, -amount);
    }
    filterButton_.SetIcon(show ? kIconShown : kIconHidden);
    initResizer();
}

void VnSelectMacroDlg::OnDestroy() {
    WriteDlgSize(this, kRegSection);
    writeDlgRegBool(kRegSection, kRegLargeDlg, model_.showFilters);
    VnBoundDialog::OnDestroy();
}

void VnSelectMacroDlg::OnSize(UINT type, int cx, int cy) {
    VnBoundDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void VnSelectMacroDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    VnBoundDialog::OnGetMinMaxInfo(info);
    resizer_.OnGetMinMaxInfo(info);
}

bool StartDlgSelectMacro(const Ktx_String& caption, const Ktx_StringArray& names,
                         const AcArray<bool>& enabled, int number1, int number2, Ktx_String& chosen,
                         bool& extraChoice, bool showHint) {
    VnResourceScope resources(vnResourceOverride());
    VnSelectMacroModel model(
        VnSelectMacroInput{caption, names, enabled, number1, number2, extraChoice, showHint});
    VnSelectMacroDlg dialog(model);
    if (dialog.DoModal() != IDOK) return false;
    chosen = model.chosen;
    extraChoice = model.extraChoice != 0;
    return true;
}

bool StartDlgSelectMacro(const Ktx_String& caption, const Ktx_StringArray& names, int number1,
                         int number2, Ktx_String& chosen, bool& extraChoice, bool showHint) {
    AcArray<bool> enabled;
    for (int i = 0; i < names.length(); ++i) enabled.append(true);
    return StartDlgSelectMacro(caption, names, enabled, number1, number2, chosen, extraChoice,
                               showHint);
}
