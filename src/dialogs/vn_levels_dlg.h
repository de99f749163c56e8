#pragma once
// The levels dialog (resource 243): a thin dialog over VnLevelsDlgModel. The list shows every
// level; the frame beside it the chosen one (name and absolute height read-only, the
// reference level editable only for the level just added, the height editable). "+" asks for
// the new level's name, again while the name is in use; "-" deletes the shown level.
#include "ctool_tip_ctrl.h"
#include "vn_bound_dialog.h"
#include "vn_levels_model.h"

class VnLevelsDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 243;
    enum ControlId : int {
        kName = 1000,
        kHeight = 1001,
        kAbsolute = 1002,
        kGroup = 1081,
        kAdd = 1088,
        kDelete = 1089,
        kNameLabel = 1123,
        kHeightLabel = 1124,
        kAbsoluteLabel = 1126,
        kReferenceLabel = 1227,
        kLevelList = 1381,
        kReference = 1382,
    };

    explicit VnLevelsDlg(VnLevelsDlgData& data, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    void showLists();
    void onAdd();
    // The name of the new level, asked until it is free; false when cancelled.
    bool askNewName(Ktx_String& name);

    VnLevelsDlgModel model_;
    CToolTipCtrl toolTips_;
};

bool StartDlgLevels(VnLevelsDlgData& data);
