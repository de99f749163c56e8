#pragma once
// The section library editor (resource 209): a tab control with the groups, types and tables
// pages, over a copy of the caller's DlgEditLibData. Groups and types reach the caller only on
// OK; table files are written by the tables page as it goes. OK first asks about unsaved
// table changes (Cancel there keeps the editor open); Cancel closes without asking. The editor
// opens at its stored size and is never made smaller than its designed size; the tab control
// and its pages grow with it.
#include "ctab_ctrl.h"
#include "dlg_edit_lib_data.h"
#include "resizer.h"
#include "vn_lib_groups_types.h"
#include "vn_lib_tables_page.h"

class VnLibEditorDlg : public CDialog {
  public:
    static constexpr UINT kResourceId = 209;
    static constexpr int kTab = 8097;
    enum Page : int { kGroupsPage = 0, kTypesPage = 1, kTablesPage = 2 };

    VnLibEditorDlg(DlgEditLibData& data, const Ktx_String& fullSectionName, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

    int shownPage() const { return shown_; }
    VnLibTablesPage& tablesPage() { return tables_; }

  private:
    void showPage(int page);
    // Lays the three pages over the tab control's display area.
    void placePages();

    Ktx_String fullSectionName_;
    CTabCtrl tab_;
    VnLibGroupsPage groups_;
    VnLibTypesPage types_;
    VnLibTablesPage tables_;
    CResizer resizer_;
    int shown_ = -1;
};

// Opens the editor on a copy of data (its file lists filled from the library); the tables
// page shows first when fullSectionName is not empty. True, with the copy given back, on OK.
bool StartDlgEditLibSections(DlgEditLibData& data, const Ktx_String& fullSectionName);
