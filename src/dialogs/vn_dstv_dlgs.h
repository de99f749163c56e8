#pragma once
// The DSTV point dialogs: the group dialog "DSTV laspunt groepen" (resource 234), opened by
// StartDSTVPointsDlg, and from it the point dialog "DSTV punten editeren" (resource 233) on a
// copy of one group's points, written to the group file only when it ends with OK.
#include "check_combo_box.h"
#include "vn_bound_dialog.h"
#include "vn_dstv_models.h"

class VnDstvGroupsDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 234;
    enum ControlId : int {
        kEdit = 1334,
        kMakeStandard = 1335,
        kGroups = 1336,
        kAdd = 1337,
        kRemove = 1338,
    };

    explicit VnDstvGroupsDlg(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

  private:
    void fillList();
    void onEdit();
    void onAdd();

    DlgDstvPoints points_;
    VnDstvGroupsModel model_{points_};
    CCheckComboBox list_;
};

class VnDstvPointsDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 233;
    enum ControlId : int {
        kName = 1000,
        kEdgeDistance = 1001,
        kDiameter = 1002,
        kPoints = 1325,
        kAdd = 1327,
        kRemove = 1328,
        kCentred = 1333,
        kFullHole = 1336,
        kByThickness = 1337,
        kByExtent = 1355,
        kByIntersection = 1356,
        kExtentFirst = 1357,
        kExtentSecond = 1358,
        kIntersection = 1359,
        kViewFirst = 1360,
        kViewSecond = 1361,
    };

    explicit VnDstvPointsDlg(const DstvPoints& points, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    const DstvPoints& points() const { return model_.points(); }

  protected:
    void onModelChanged() override { showLists(); }

  private:
    void bindControls();
    void showLists();
    void onAdd();

    VnDstvPointsModel model_;
};

void StartDSTVPointsDlg();
