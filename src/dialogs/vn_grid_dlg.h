#pragma once
// The grid dialog (resource 242): the layout of a building grid, two directions of grid lines
// with a count, distances and a first label each, and one option.
//
// VnGridDlgData is the parameter block the Core library fills and reads. The dialog shows the
// counts as text and reads them back with atoi on OK, so text that is no number gives 0; the
// distances and labels pass through as typed.
#include "ktx_string.h"
#include "vn_bound_dialog.h"

class VnGridDlgData {
  public:
    VnGridDlgData() = default;
    VnGridDlgData(const VnGridDlgData&) = default;
    VnGridDlgData& operator=(const VnGridDlgData&) = default;
    virtual ~VnGridDlgData() = default;

    int count1 = 4;
    Ktx_String distances1 = "5000";
    Ktx_String label1 = "A";
    int count2 = 3;
    Ktx_String distances2 = "5000";
    Ktx_String label2 = "1";
    bool option = false;
};

// What the dialog edits: the block, with the counts as the texts being typed.
struct VnGridDlgModel {
    explicit VnGridDlgModel(VnGridDlgData& data);
    // OK: the count texts become numbers (atoi).
    void confirm();

    VnGridDlgData& data;
    Ktx_String countText1;
    Ktx_String countText2;
};

class VnGridDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 242;
    enum ControlId : int {
        kGroup1 = 1365,
        kCount1Label = 1366,
        kCount1 = 1367,
        kDistances1Label = 1368,
        kDistances1 = 1369,
        kLabel1Label = 1370,
        kLabel1 = 1371,
        kGroup2 = 1372,
        kCount2Label = 1373,
        kCount2 = 1374,
        kDistances2Label = 1376,
        kDistances2 = 1377,
        kLabel2Label = 1378,
        kLabel2 = 1379,
        kOption = 1380,
    };

    explicit VnGridDlg(VnGridDlgData& data, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    VnGridDlgModel model_;
};

bool StartDlgGrid(VnGridDlgData& data);
