#pragma once
// Ktx_SpreadFindDlg: the modeless find / replace dialog (resource 218) of one grid. The grid
// creates it once (Ktx_Spread::showFindDialog) and owns it; the dialog stays on top of other
// windows and tells the grid when its window is gone, and the grid then deletes it.
//
// While it is open the grid's option 13 is on and option 20 off; on closing, option 13 goes
// back off when it was off before, and the dialog's size is stored under "DLG_FINDREPLACE".
// Find Next searches from the cell after the active one (spread_search.h) and asks before
// going on from the first cell; Replace finds the next cell the same way and replaces the
// text in it; Replace All replaces in every cell. In find mode the replace controls are
// hidden. A thin dialog: the texts and the mode live in Ktx_SpreadFindModel.
#include "ktx_string.h"
#include "spread_forward.h"
#include "vn_bound_dialog.h"

struct Ktx_SpreadFindModel {
    Ktx_String findText;
    Ktx_String replaceText;
    bool replaceMode = false;
    bool canSearch() const { return !findText.isEmpty(); }
};

class Ktx_SpreadFindDlg : public VnBoundDialog {
  public:
    static constexpr int kResourceId = 218;
    enum ControlId : int {
        kFindLabel = 1001,
        kFindText = 1002,
        kReplaceLabel = 1003,
        kReplaceText = 1004,
        kFindNext = 1005,
        kReplace = 1006,
        kReplaceAll = 1007,
    };
    static constexpr const char* kSizeName = "DLG_FINDREPLACE";

    explicit Ktx_SpreadFindDlg(Ktx_Spread& grid);
    Ktx_SpreadFindDlg(const Ktx_SpreadFindDlg&) = delete;
    Ktx_SpreadFindDlg& operator=(const Ktx_SpreadFindDlg&) = delete;

    Ktx_Spread& grid() const { return grid_; }
    bool replaceMode() const { return model_.replaceMode; }
    const Ktx_SpreadFindModel& model() const { return model_; }
    // Shows the dialog in find or replace mode, creating its window when needed; false when
    // the window cannot be made.
    bool showMode(bool replace);
    // Closes the dialog's window, if any; the grid then forgets (deletes) the dialog.
    void closeWindow();

    BOOL OnInitDialog() override;
    void OnDestroy() override;
    // Enter finds the next cell; Escape, Close and the close box close the window.
    void OnOK() override;
    void OnCancel() override;

  protected:
    void PostNcDestroy() override;

  private:
    void bindControls();
    // True when a cell was found (and made active).
    bool findNext();
    void replace();
    void showNotFound();
    void replaceAll();
    bool askWrap();

    Ktx_Spread& grid_;
    Ktx_SpreadFindModel model_;
    bool option13Before_ = false;
};
