#include "spread_layout_dlg.h"

#include <charconv>

#include "dial_string.h"
#include "grid.h"
#include "win.h"

namespace {

using D = VnSpreadLayoutDlg;

constexpr int kTextTitle = 1520, kTextRows = 1521, kTextCols = 1522, kTextBadCount = 1523;
constexpr int kRowsLabel = 1003, kColsLabel = 1004;

const DialogTemplateRegistration kTemplate(DialogTemplate(
    D::kResourceId, "Grid layout", kDialogStyle, 0, 0, 160, 66,
    {DialogControl(kRowsLabel, WC_STATIC, 0, 0, "Rows", 7, 9, 80, 8),
     DialogControl(D::kRows, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 95, 7, 58,
                   12),
     DialogControl(kColsLabel, WC_STATIC, 0, 0, "Columns", 7, 27, 80, 8),
     DialogControl(D::kCols, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 95, 25, 58,
                   12),
     DialogControl(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 48, 45, 50, 14),
     DialogControl(IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Cancel", 103, 45, 50, 14)}));

}  // namespace

int spreadLayoutCount(const std::string& text, int least, int most) {
    int count = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, count);
    if (text.empty() || error != std::errc() || stop != end) return -1;
    return count >= least && count <= most ? count : -1;
}

VnSpreadLayoutDlg::VnSpreadLayoutDlg(HWND grid, CWnd* parent)
    : CDialog(kResourceId, parent), grid_(grid) {}

BOOL VnSpreadLayoutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(kRowsLabel, dialString(kTextRows).c_str());
    SetDlgItemText(kColsLabel, dialString(kTextCols).c_str());
    SetDlgItemInt(kRows, static_cast<UINT>(SSGetMaxRows(grid_)));
    SetDlgItemInt(kCols, static_cast<UINT>(SSGetMaxCols(grid_)));
    return TRUE;
}

void VnSpreadLayoutDlg::OnOK() {
    std::string rowsText, colsText;
    GetDlgItemText(kRows, rowsText);
    GetDlgItemText(kCols, colsText);
    const int rows = spreadLayoutCount(rowsText, 0, kMaxRows);
    const int cols = spreadLayoutCount(colsText, 1, kMaxCols);
    if (rows < 0 || cols < 0) {
        MessageBox(dialString(kTextBadCount).c_str(), dialString(kTextTitle).c_str(),
                   MB_OK | MB_ICONWARNING);
        return;
    }
    SSSetMaxRows(grid_, rows);
    SSSetMaxCols(grid_, cols);
    CDialog::OnOK();
}

bool StartDlgSpreadLayout(HWND grid, CWnd* owner) {
    if (grid == nullptr || !SSIsGrid(grid)) return false;
    VnSpreadLayoutDlg dialog(grid, owner);
    return dialog.DoModal() == IDOK;
}
