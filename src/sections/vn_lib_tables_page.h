#pragma once
// The library editor's tables page (8716): the list of section tables, the grid that edits the
// table shown, its shape, and the table commands (new, delete, rename, grid layout) and row
// commands (copy, paste, insert, delete, move, find).
//
// Table files are written at once: on Yes to the unsaved-changes question (asked before another
// table is shown, before a new table and before the editor's OK), and by rename; a deleted
// table's file goes at once. Everything else stays in the grid.
#include "button_st.h"
#include "ccombo_box.h"
#include "cdialog.h"
#include "clist_box.h"
#include "dlg_edit_lib_data.h"
#include "ktx_prof_values_table.h"
#include "ktx_spread.h"
#include "resizer.h"

class VnLibTablesPage : public CDialog {
  public:
    static constexpr UINT kResourceId = 8716;
    enum ControlId : int {
        kNewTable = 1189,
        kDeleteTable = 1190,
        kPaste = 1198,
        kCopy = 1199,
        kGridLayout = 1200,
        kRename = 1201,
        kShape = 1202,
        kShapeGroup = 1203,
        kInsertRow = 1204,
        kDeleteRow = 1205,
        kRowUp = 1206,
        kRowDown = 1207,
        kFind = 1208,
        kTables = 1248,
        kGrid = 1250,
    };

    VnLibTablesPage(DlgEditLibData& data, const Ktx_String& firstSection);

    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;

    // Asks about unsaved changes of the shown table when there are any: Yes saves, No drops
    // them; false when the user cancelled (the caller stops what it was doing).
    bool askUnsaved();
    // Writes the grid to the file of the shown table.
    bool saveShown();
    const Ktx_String& shownName() const { return shownName_; }
    int shownIndex() const { return shown_; }
    Ktx_Spread& spread() { return spread_; }
    // The row command buttons (copy ... find), in that order.
    static constexpr int kRowButtonCount = 7;
    const CButtonST& rowButton(int i) const { return rowButtons_[i]; }

  private:
    void connectCommands();
    void setUpButtons();
    void fillTableList();
    void showTable(int index);
    void selectSection(const Ktx_String& fullName);
    void labelRows();
    Ktx_String shapeOfCombo();
    void onTableChosen();
    void onNewTable();
    void onDeleteTable();
    void onRename();
    void onGridLayout();
    void onShapeChanged();
    void applyShape(bool ask);

    DlgEditLibData& data_;
    Ktx_String firstSection_;
    Ktx_Spread spread_;
    CListBox tables_;
    CComboBox shapes_;
    CButtonST rowButtons_[kRowButtonCount];
    CResizer resizer_;
    int shown_ = -1;
    Ktx_String shownName_;
};
