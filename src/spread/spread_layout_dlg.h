#pragma once
// The grid layout dialog (resource 176) of the spreadsheet editor: the numbers of rows and
// columns of a grid as two fields. OK applies them to the grid (cells beyond a shrunk edge go);
// a field that is not a whole number in its range is refused with a message and the dialog
// stays open. Cancel leaves the grid as it was.
#include <string>

#include "cdialog.h"
#include "win_types.h"

// A count typed into a field: a whole number from `least` to `most`; -1 otherwise.
int spreadLayoutCount(const std::string& text, int least, int most);

class VnSpreadLayoutDlg : public CDialog {
  public:
    static constexpr UINT kResourceId = 176;
    enum ControlId : int { kRows = 1001, kCols = 1002 };
    static constexpr int kMaxRows = 100000;
    static constexpr int kMaxCols = 1000;

    VnSpreadLayoutDlg(HWND grid, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    HWND grid_;
};

// Runs the dialog on the grid; true when OK changed its layout.
bool StartDlgSpreadLayout(HWND grid, CWnd* owner = nullptr);
