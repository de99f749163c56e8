#pragma once
// VnDlgGenVars: the general variables dialog (resource 256). It edits a copy of
// VnAutoStandardsData in two grids, one per table, with add, remove, up and down buttons for
// each; the last column of each grid holds a "..." button per row that appends drawings and
// folders chosen below the library's "Macros\\" folder to that row's list. Equal neighbouring
// names are shown joined, recomputed after every change of the rows. The tables go back into
// the copy on OK; StartDlgGenVars hands the copy to its caller only then. The dialog's size
// is kept under "DLG_GENVARS".
#include "button_st.h"
#include "ktx_spread.h"
#include "resizer.h"
#include "vn_auto_standards_data.h"
#include "vn_bound_dialog.h"

class VnDlgGenVars : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 256;
    enum ControlId : int {
        kGrid1 = 1434,
        kAdd1 = 1435,
        kRemove1 = 1436,
        kUp1 = 1438,
        kDown1 = 1439,
        kUp2 = 1440,
        kDown2 = 1441,
        kRemove2 = 1442,
        kAdd2 = 1443,
        kGrid2 = 1444,
        kGroup1 = 1445,
        kGroup2 = 1446,
    };

    explicit VnDlgGenVars(VnAutoStandardsData& data, CWnd* parent = nullptr);
    ~VnDlgGenVars() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    Ktx_Spread& grid(int table) { return grids_[table == 0 ? 0 : 1]; }

  private:
    void createGrid(int table);
    void setUpButtons();
    void fillTable(int table);
    void refreshTable(int table);
    void rowCommand(int table, bool (Ktx_Spread::*change)());
    void addRow(int table);
    void chooseDrawings(int table, int row);
    LRESULT onGridNotify(WPARAM wParam, LPARAM lParam);

    VnAutoStandardsData& data_;
    CResizer resizer_;
    CButtonST images_[4];
    Ktx_Spread grids_[2];
};

// Edits the general variables; true, with `data` changed, when the user pressed OK.
bool StartDlgGenVars(VnAutoStandardsData& data);
