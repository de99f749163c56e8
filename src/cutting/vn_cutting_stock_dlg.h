#pragma once
// VnCuttingStockDlg: the cutting-stock dialog (resource 8122), a thin dialog over
// VnCuttingStockModel. It shows the entry list and the three grids of the selected entry and
// copies the grids into the model before every command (selection change, file commands,
// batch command, new and delete entry, OK), and the model's rows into the grids afterwards.
//
// In shop-only mode the entry commands, the first and buy tables with their buttons, the buy
// file buttons and their labels are disabled; "ask for each file" is shown only then.
//
// StartDlgCSP2 runs the dialog on a copy of the caller's data and copies it back on OK.
#include <memory>

#include "csize.h"
#include "ctool_tip_ctrl.h"
#include "dlg_csp2_data.h"
#include "ktx_spread.h"
#include "resizer.h"
#include "vn_bound_dialog.h"
#include "vn_cutting_stock_model.h"

class VnCuttingStockDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 8122;
    enum ControlId : int {
        kNewEntry = 8590,
        kDeleteEntry = 8591,
        kBatch = 8592,
        kOpenShop = 8600,
        kAddFirstRow = 8601,
        kSaveShop = 8602,
        kOpenBuy = 8603,
        kSaveBuy = 8604,
        kDeleteFirstRow = 8605,
        kAddShopRow = 8606,
        kDeleteShopRow = 8607,
        kAddBuyRow = 8608,
        kDeleteBuyRow = 8609,
        kEntryLabel = 9035,
        kEntryList = 9036,
        kFirstLabel = 9037,
        kListLabel = 9038,
        kShopLabel = 9041,
        kBuyLabel = 9043,
        kAskEachFile = 9074,
        kFirstGrid = 1321,
        kShopGrid = 1322,
        kBuyGrid = 1323,
    };
    static constexpr const char* kSizeName = "DLG_OPTIMIZECSP2";

    // `chooser` asks for file names (nullptr: the window system's file dialog).
    explicit VnCuttingStockDlg(DlgCSP2Data& data, VnCspFileChooser* chooser = nullptr,
                               CWnd* parent = nullptr);
    ~VnCuttingStockDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnSize(UINT type, int cx, int cy) override;

    const VnCuttingStockModel& model() const { return model_; }
    Ktx_Spread& grid(VnCspTableKind kind);
    CSize minimumSize() const { return minSize_; }

  private:
    void bindControls();
    void setUpGrids();
    void setUpButtons();
    void setUpResizer();
    void fillEntryList();
    void readGrids();
    void showGrids();
    // Copies the grids into the model, runs `step`, shows the model's rows again.
    void withGrids(const std::function<void()>& step);
    void onEntryChanged();
    void onNewEntry();
    void onBatch();
    void changeRows(VnCspTableKind kind, bool add);

    DlgCSP2Data& data_;
    std::unique_ptr<VnCspFileChooser> ownChooser_;
    VnCuttingStockModel model_;
    Ktx_Spread grids_[3];
    CToolTipCtrl toolTips_;
    CResizer resizer_;
    CSize minSize_;
    bool askEachFile_ = false;
};

bool StartDlgCSP2(DlgCSP2Data& data);
