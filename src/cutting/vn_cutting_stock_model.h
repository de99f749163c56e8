#pragma once
// VnCuttingStockModel: the rules of the cutting-stock dialog, without windows. It works on the
// dialog's copy of DlgCSP2Data and holds what the three grids show: the rows of the selected
// entry. The dialog copies its grids into grid(kind) before calling an operation and shows
// grid(kind) afterwards.
//
// The grids are stored back into the shown entry (storeGrids) whenever the selection changes,
// before every file operation and batch command, and on OK. With no entry shown the grids are
// empty and nothing is stored.
#include "csp_file_chooser.h"
#include "csp_table.h"
#include "dlg_csp2_data.h"

// Texts of the dialog and its report (dialString keys).
namespace csp_text {
constexpr int kOpenTitle = 618, kSaveTitle = 619, kShopFilter = 626, kBuyFilter = 627;
constexpr int kNoShopFile = 633, kFor = 634, kLoadedShop = 635, kOf = 636, kNoBuyFile = 637,
              kLoadedBuy = 638;
constexpr int kReportTitle = 652, kReportClose = 285;
// "A cell holds the separator byte": our own message for a table that cannot be saved.
constexpr int kCellHoldsSeparator = 7101;
}  // namespace csp_text

class VnCuttingStockModel {
  public:
    VnCuttingStockModel(DlgCSP2Data& data, VnCspFileChooser& chooser);

    const DlgCSP2Data& data() const { return data_; }
    // Selects and shows the first entry, or none when there is none.
    void open();

    int selectedIndex() const { return selected_; }
    // The id of the entry the grids show; -1 for none.
    int shownEntryId() const { return shownId_; }
    VnCspRows& grid(VnCspTableKind kind);
    const VnCspRows& grid(VnCspTableKind kind) const;

    // Stores the grids into the shown entry, then shows the entry at index (none for a bad
    // index).
    void selectEntry(int index);
    // Appends an entry (id = largest + 1), selects it and shows its empty tables. False, with
    // nothing changed, for an empty name.
    bool newEntry(const Ktx_String& name);
    // Removes the selected entry and its rows; selects the entry now at its position, else the
    // one before; none when the list is empty. False when nothing is selected.
    bool deleteSelectedEntry();
    // Inserts an empty row of three cells after `selectedRow` (-1: at the top). False for a
    // row outside the grid.
    bool addRow(VnCspTableKind kind, int selectedRow);
    bool deleteRow(VnCspTableKind kind, int row);
    void storeGrids();
    // OK: stores the grids.
    void confirm() { storeGrids(); }

    // The save and open buttons of the shop and buy tables. False when nothing was done:
    // no entry, the chooser cancelled, or the file could not be written or read.
    bool saveTable(VnCspTableKind kind, bool ask);
    bool loadTable(VnCspTableKind kind);
    // The batch command in shop-only mode: saves the shop table of every entry under its
    // default name, or asking for each when askEach. Returns how many were written.
    int saveAllShopTables(bool askEach);
    // The batch command in normal mode: loads the newest shop and buy file of every entry and
    // returns the listing, shown in the information dialog with texts 652 and 285.
    Ktx_StringArray loadNewestAndReport();

  private:
    void show(int index);
    bool saveEntryTable(int index, VnCspTableKind kind, bool ask);
    void reportNewest(int index, VnCspTableKind kind, Ktx_StringArray& listing);
    VnCspRows& gridSlot(VnCspTableKind kind);

    DlgCSP2Data& data_;
    VnCspFileChooser& chooser_;
    int selected_ = -1;
    int shownId_ = -1;
    VnCspRows grids_[3];
};
