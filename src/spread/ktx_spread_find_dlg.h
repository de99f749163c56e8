#pragma once
// Ktx_SpreadFindDlg: the modeless find / replace dialog (resource 218) of one grid. The grid
// creates it once and keeps it while it is open; the dialog tells the grid when it closes.
// Searching and replacing belong to the spreadsheet editor.
#include "spread_forward.h"

class Ktx_SpreadFindDlg {
  public:
    static constexpr int kResourceId = 218;

    explicit Ktx_SpreadFindDlg(Ktx_Spread& grid);
    Ktx_SpreadFindDlg(const Ktx_SpreadFindDlg&) = delete;
    Ktx_SpreadFindDlg& operator=(const Ktx_SpreadFindDlg&) = delete;

    Ktx_Spread& grid() const { return grid_; }
    bool replaceMode() const { return replace_; }
    // Shows the dialog in find or replace mode.
    void showMode(bool replace);
    // Closes the dialog's window, if any; the object stays.
    void closeWindow();

  private:
    Ktx_Spread& grid_;
    bool replace_ = false;
};
