#pragma once
// The four pages of the constraint editor, child dialogs on its tab control that all work on
// the editor's EditConstrData:
//
// - VnConstrListPage (207): the current module's constraints as a grid with the edit fields of
//   the constraint shown. A row click stores the shown constraint first and moves only when
//   that worked; header clicks sort; a right click on columns 1-3 opens the Core library's
//   menu for the constraint. Leaving the page removes the highlighting.
// - VnGeomPage (8135): the module's geometry objects with their flexibility and construction
//   flags, passed on as they are clicked.
// - VnVarsPage (8099): the module's variables, dimension values and equations, read back whole
//   when the page is stored.
// - VnCommandsPage (216): the fourteen constraint command buttons; the editor runs them.
//
// Each click and right click on the constraint grid raises a module-wide flag that a timer
// clears 2000 ms later (restarted by every click).
#include <functional>

#include "button_st.h"
#include "cdialog.h"
#include "ctool_tip_ctrl.h"
#include "edit_constr_data.h"
#include "ktx_spread.h"
#include "vn_edit_constr_model.h"

class VnConstrListPage : public CDialog {
  public:
    static constexpr UINT kResourceId = 207;
    enum ControlId : int {
        kGrid = 1001,
        kValueLabel = 1002,
        kValue = 1003,
        kOption1 = 1011,  // .. kOption1 + 4
        kUseVariable = 1020,
        kVariable = 1021,
        kVariableLabel = 1022,
        kCut = 1023,
        kDelete = 1024,
    };

    explicit VnConstrListPage(EditConstrData& data);

    BOOL OnInitDialog() override;
    void OnDestroy() override;

    // Refills the grid from the current module and shows its first constraint (or the one at
    // `select`, 0-based, when that exists).
    void fill(int select = 0);
    // Stores the edit fields into the shown constraint; true when stored or when there was
    // nothing to store. A refusal is explained in a message box when `report`.
    bool storeCurrent(bool report = true);
    // Removes all highlighting of the drawing (the page is left or destroyed).
    void leave();
    int shownIndex() const { return shown_; }
    Ktx_Spread& spread() { return spread_; }
    const VnConstrOptionGroup& options() const { return options_; }

  private:
    void connectControls();
    void setUpGrid();
    LRESULT onGridNotify(WPARAM wParam, LPARAM lParam);
    void onRowClicked(int row, int oldRow);
    void onHeaderClicked(int column);
    void onRightClicked(int column, int row);
    void showConstraint(int index);
    void showOptions();
    void chooseOption(int k);
    void enableFields();
    VnConstrFields readFields();
    void deleteConstraint();
    void selectRow(int row);

    EditConstrData& data_;
    Ktx_Spread spread_;
    VnConstrOptionGroup options_;
    CButtonST deleteButton_;
    CButtonST optionButtons_[VnConstrOptionGroup::kCount];
    int shown_ = -1;
};

class VnGeomPage : public CDialog {
  public:
    static constexpr UINT kResourceId = 8135;
    static constexpr int kGrid = 1005;

    explicit VnGeomPage(EditConstrData& data);
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void fill();
    void leave();
    Ktx_Spread& spread() { return spread_; }

  private:
    LRESULT onGridNotify(WPARAM wParam, LPARAM lParam);

    EditConstrData& data_;
    Ktx_Spread spread_;
};

class VnVarsPage : public CDialog {
  public:
    static constexpr UINT kResourceId = 8099;
    enum ControlId : int { kGrid = 1030, kInsert = 1031, kDeleteRows = 1032 };

    explicit VnVarsPage(EditConstrData& data);
    BOOL OnInitDialog() override;
    void fill();
    // Reads every row back and passes them to UpdateVarsEqs; false when it refused them.
    bool store();
    Ktx_Spread& spread() { return spread_; }

  private:
    void insertRow();
    void deleteRows();

    EditConstrData& data_;
    Ktx_Spread spread_;
};

class VnCommandsPage : public CDialog {
  public:
    static constexpr UINT kResourceId = 216;
    static constexpr int kFirstCommand = 1040;  // command n is button kFirstCommand + n
    static constexpr int kCommandCount = 14;

    explicit VnCommandsPage(std::function<void(int)> run);
    ~VnCommandsPage() override;
    BOOL OnInitDialog() override;

  private:
    std::function<void(int)> run_;
    CToolTipCtrl tips_;
    HBITMAP pictures_[kCommandCount] = {};
};

// The module-wide flag raised by clicks on the constraint grid (see above).
bool vnConstrClickFlag();
void vnRaiseConstrClickFlag();
