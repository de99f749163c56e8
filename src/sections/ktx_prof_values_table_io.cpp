// Ktx_ProfValuesTable: its file, the grid and the Core library's section tables.
#include "grid.h"
#include "ktx_prof_values_table.h"
#include "ktx_settings.h"
#include "ktx_spread.h"
#include "section_table_file.h"
#include "section_table_manager.h"

namespace {
constexpr int kIoCol = 1;
constexpr int kIoGridCol = kIoCol + 1;

// A copy of the array without its "I/O" entry (arrays of one entry stay whole).
Ktx_StringArray withoutIoColumn(const Ktx_StringArray& cells) {
    Ktx_StringArray copy = cells;
    if (copy.length() > 1) copy.removeAt(kIoCol);
    return copy;
}
}  // namespace

Ktx_String Ktx_ProfValuesTable::filePath(const Ktx_String& fileName) {
    Ktx_String path = gSettings.libDir + "prof\\" + fileName;
    if (!fileName.endsWith(".pr", false)) path += ".pr";
    return path;
}

bool Ktx_ProfValuesTable::readFromFile(const Ktx_String& fileName) {
    Ktx_String tableName;
    Ktx_Array<Ktx_StringArray> fileRows;
    if (!readFile(filePath(fileName), tableName, fileRows)) return false;
    setFromFileRows(tableName, fileRows);
    return true;
}

void Ktx_ProfValuesTable::setFromFileRows(const Ktx_String& tableName,
                                          const Ktx_Array<Ktx_StringArray>& fileRows) {
    name = tableName;
    rows = fileRows;
    if (rows.length() <= 1) return;
    if (!rows[0].isEmpty()) shapeRef = rows[0][0];
    header = rows[1];
    rows.removeAt(0);
    rows.removeAt(0);
}

Ktx_Array<Ktx_StringArray> Ktx_ProfValuesTable::toFileRows() const {
    Ktx_Array<Ktx_StringArray> fileRows(rows.length() + 2, 8);
    fileRows.append(Ktx_StringArray{shapeRef});
    fileRows.append(header);
    fileRows.append(rows);
    return fileRows;
}

bool Ktx_ProfValuesTable::writeToFile(const Ktx_String& fileName) const {
    return writeFile(filePath(fileName), toFileRows());
}

bool Ktx_ProfValuesTable::setToSS(Ktx_Spread& ss) const {
    HWND grid = ss.gridWindow();
    if (grid == nullptr) return false;
    SSSetBool(grid, SSB_REDRAW, false);
    ss.setMaxRows(0);
    ss.setMaxCols(0);
    if (rows.isEmpty()) {
        SSSetBool(grid, SSB_REDRAW, true);
        return false;
    }
    ss.setMaxRows(rows.length());
    ss.setMaxCols(header.length());
    SSCellType checkBox;
    SSSetTypeCheckBox(grid, &checkBox, 0, "", nullptr, nullptr);
    SSSetCellTypeRange(grid, kIoGridCol, 1, kIoGridCol, rows.length(), &checkBox);
    ss.setColumnHeaders(header);
    Ktx_StringArray rowHeaders;
    for (int i = 0; i < rows.length(); ++i) rowHeaders.append(name);
    ss.setRowHeaders(rowHeaders);
    for (int i = 0; i < rows.length(); ++i) ss.setRowTexts(i + 1, rows[i], true);
    ss.fitToTexts();
    SSSetBool(grid, SSB_CHANGEMADE, false);
    SSSetBool(grid, SSB_REDRAW, true);
    return true;
}

bool Ktx_ProfValuesTable::getFromSS(Ktx_Spread& ss) {
    const int rowCount = ss.getMaxRows();
    const int colCount = ss.getMaxCols();
    if (rowCount <= 0 || colCount <= 0) return false;
    ss.getColumnHeaders(header);
    ss.getCellText(kSpreadHeader, 1, name, CellTextKind::Value);
    rows.removeAll();
    Ktx_StringArray row;
    for (int i = 1; i <= rowCount; ++i) {
        ss.getRowTexts(i, row);
        rows.append(row);
    }
    return true;
}

Acad::ErrorStatus Ktx_ProfValuesTable::setToGlobals(Ktx_SectionTableManager* manager) const {
    if (manager == nullptr) return Acad::eInvalidInput;
    const Ktx_String tableName = name + ".pr";
    const Ktx_String shape = shapeRef.contains(".") ? "Prof\\" + shapeRef : shapeRef;
    Ktx_Array<Ktx_StringArray> rowsCopy(rows.length(), 8);
    for (const Ktx_StringArray& row : rows) rowsCopy.append(withoutIoColumn(row));
    int index = -1;
    if (manager->hasTable(name, index)) manager->removeTable(index);
    return manager->addSectionTable(tableName, shape, withoutIoColumn(header), rowsCopy);
}
