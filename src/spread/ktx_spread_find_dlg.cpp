#include "ktx_spread_find_dlg.h"

#include <string>

#include "dial_string.h"
#include "dlg_size.h"
#include "grid.h"
#include "ktx_spread.h"
#include "spread_search.h"
#include "win.h"

namespace {

using D = Ktx_SpreadFindDlg;

const DialogTemplateRegistration kTemplate(DialogTemplate(
    D::kResourceId, "Find", kDialogStyle, 0, 0, 262, 78,
    {DialogControl(D::kFindLabel, WC_STATIC, 0, 0, "Find what:", 7, 9, 60, 8),
     DialogControl(D::kFindText, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 70, 7,
                   125, 12),
     DialogControl(D::kReplaceLabel, WC_STATIC, 0, 0, "Replace with:", 7, 27, 60, 8),
     DialogControl(D::kReplaceText, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 70, 25,
                   125, 12),
     DialogControl(D::kFindNext, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "Find Next", 202, 7,
                   53, 14),
     DialogControl(D::kReplace, WC_BUTTON, WS_TABSTOP, 0, "Replace", 202, 24, 53, 14),
     DialogControl(D::kReplaceAll, WC_BUTTON, WS_TABSTOP, 0, "Replace All", 202, 41, 53, 14),
     DialogControl(IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Close", 202, 58, 53, 14)},
    WS_EX_TOPMOST));

constexpr int kTextTitle = 1136;
constexpr int kTextFindLabel = 1137;
constexpr int kTextReplaceLabel = 1138;
constexpr int kTextFindNext = 1139;
constexpr int kTextReplace = 1140;
constexpr int kTextReplaceAll = 1141;
constexpr int kTextWrapBefore = 1142;
constexpr int kTextWrapAfter = 1143;
constexpr int kTextWrapCaption = 1144;
constexpr int kTextNotFound = 1145;
constexpr int kTextNotFoundCaption = 1146;
constexpr int kTextClose = 285;

constexpr int kOptionEditMode = 13;
constexpr int kOptionTwenty = 20;

CWnd* ownerOf(Ktx_Spread& grid) {
    HWND h = grid.gridWindow();
    return h ? CWnd::FromHandle(::GetParent(h)) : nullptr;
}

}  // namespace

Ktx_SpreadFindDlg::Ktx_SpreadFindDlg(Ktx_Spread& grid)
    : VnBoundDialog(kResourceId, ownerOf(grid)), grid_(grid) {
    bindControls();
}

void Ktx_SpreadFindDlg::bindControls() {
    Ktx_SpreadFindModel& m = model_;
    auto replacing = [&m] { return m.replaceMode; };
    auto searchable = [&m] { return m.canSearch(); };
    bind({
        VnBinding::label(kFindLabel, kTextFindLabel),
        VnBinding::textField(
            kFindText, [&m] { return m.findText.str(); },
            [&m](const std::string& t) { m.findText = Ktx_String(t); }),
        VnBinding::label(kReplaceLabel, kTextReplaceLabel).visibleWhen(replacing),
        VnBinding::textField(
            kReplaceText, [&m] { return m.replaceText.str(); },
            [&m](const std::string& t) { m.replaceText = Ktx_String(t); })
            .visibleWhen(replacing),
        VnBinding::button(kFindNext, [this] { findNext(); })
            .caption(kTextFindNext)
            .enabledWhen(searchable),
        VnBinding::button(kReplace, [this] { replace(); })
            .caption(kTextReplace)
            .enabledWhen(searchable)
            .visibleWhen(replacing),
        VnBinding::button(kReplaceAll, [this] { replaceAll(); })
            .caption(kTextReplaceAll)
            .enabledWhen(searchable)
            .visibleWhen(replacing),
        VnBinding::label(IDCANCEL, kTextClose),
    });
}

bool Ktx_SpreadFindDlg::showMode(bool replace) {
    model_.replaceMode = replace;
    if (!GetSafeHwnd() && !Create(kResourceId, ownerOf(grid_))) return false;
    refresh();
    ShowWindow(SW_SHOW);
    return true;
}

void Ktx_SpreadFindDlg::closeWindow() {
    if (GetSafeHwnd()) DestroyWindow();
}

BOOL Ktx_SpreadFindDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    HWND h = grid_.gridWindow();
    option13Before_ = SSGetBool(h, kOptionEditMode);
    SSSetBool(h, kOptionEditMode, true);
    SSSetBool(h, kOptionTwenty, false);
    ChangeDlgSize(this, kSizeName);
    return TRUE;
}

void Ktx_SpreadFindDlg::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    if (!option13Before_) SSSetBool(grid_.gridWindow(), kOptionEditMode, false);
    VnBoundDialog::OnDestroy();
}

void Ktx_SpreadFindDlg::OnOK() {
    if (model_.canSearch()) findNext();
}

void Ktx_SpreadFindDlg::OnCancel() {
    closeWindow();
}

// The window is gone: the grid deletes this dialog, the last thing that happens to it.
void Ktx_SpreadFindDlg::PostNcDestroy() {
    grid_.forgetFindDialog();
}

bool Ktx_SpreadFindDlg::askWrap() {
    const Ktx_String text =
        dialString(kTextWrapBefore) + " \"" + model_.findText + "\" " + dialString(kTextWrapAfter);
    return MessageBox(text.c_str(), dialString(kTextWrapCaption).c_str(),
                      MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Ktx_SpreadFindDlg::showNotFound() {
    MessageBox(dialString(kTextNotFound).c_str(), dialString(kTextNotFoundCaption).c_str(),
               MB_OK | MB_ICONEXCLAMATION);
}

bool Ktx_SpreadFindDlg::findNext() {
    const SpreadFindResult found =
        spreadFindNext(grid_, model_.findText, [this] { return askWrap(); });
    if (found == SpreadFindResult::NotFound) showNotFound();
    return found == SpreadFindResult::Found;
}

void Ktx_SpreadFindDlg::replace() {
    int col = 0;
    int row = 0;
    if (findNext() && grid_.getActiveCell(col, row))
        spreadReplaceInCell(grid_, col, row, model_.findText, model_.replaceText);
}

void Ktx_SpreadFindDlg::replaceAll() {
    if (spreadReplaceAll(grid_, model_.findText, model_.replaceText) == 0) showNotFound();
}
