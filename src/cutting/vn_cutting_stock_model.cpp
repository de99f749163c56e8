#include "vn_cutting_stock_model.h"

#include "csp_entries.h"

namespace {

constexpr VnCspTableKind kAllTables[] = {VnCspTableKind::First, VnCspTableKind::Shop,
                                         VnCspTableKind::Buy};

Ktx_StringArray emptyRow() {
    return Ktx_StringArray{"", "", ""};
}

}  // namespace

VnCuttingStockModel::VnCuttingStockModel(DlgCSP2Data& data, VnCspFileChooser& chooser)
    : data_(data), chooser_(chooser) {}

void VnCuttingStockModel::open() {
    show(data_.entryIds.isEmpty() ? -1 : 0);
}

VnCspRows& VnCuttingStockModel::gridSlot(VnCspTableKind kind) {
    return grids_[static_cast<int>(kind)];
}

VnCspRows& VnCuttingStockModel::grid(VnCspTableKind kind) {
    return gridSlot(kind);
}

const VnCspRows& VnCuttingStockModel::grid(VnCspTableKind kind) const {
    return grids_[static_cast<int>(kind)];
}

void VnCuttingStockModel::show(int index) {
    const bool valid = index >= 0 && index < data_.entryIds.length();
    selected_ = valid ? index : -1;
    shownId_ = valid ? data_.entryIds[index] : -1;
    for (VnCspTableKind kind : kAllTables) {
        const VnCspTable table = cspTable(data_, kind);
        gridSlot(kind) = valid ? cspRowsOf(table.ids, table.rows, shownId_) : VnCspRows();
    }
}

void VnCuttingStockModel::storeGrids() {
    if (shownId_ < 0) return;
    for (VnCspTableKind kind : kAllTables)
        cspStoreRows(cspTable(data_, kind), shownId_, grid(kind));
}

void VnCuttingStockModel::selectEntry(int index) {
    storeGrids();
    show(index);
}

bool VnCuttingStockModel::newEntry(const Ktx_String& name) {
    if (name.isEmpty()) return false;
    storeGrids();
    show(cspAddEntry(data_, name));
    return true;
}

bool VnCuttingStockModel::deleteSelectedEntry() {
    if (selected_ < 0) return false;
    show(cspDeleteEntry(data_, selected_));
    return true;
}

bool VnCuttingStockModel::addRow(VnCspTableKind kind, int selectedRow) {
    VnCspRows& rows = gridSlot(kind);
    if (shownId_ < 0 || selectedRow < -1 || selectedRow >= rows.length()) return false;
    return rows.insertAt(selectedRow + 1, emptyRow()) == Acad::eOk;
}

bool VnCuttingStockModel::deleteRow(VnCspTableKind kind, int row) {
    VnCspRows& rows = gridSlot(kind);
    if (shownId_ < 0 || !rows.isValidIndex(row)) return false;
    return rows.removeAt(row) == Acad::eOk;
}
