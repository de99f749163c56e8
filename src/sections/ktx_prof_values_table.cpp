#include "ktx_prof_values_table.h"

#include "string_helpers.h"
#include "ui_languages.h"

namespace {
constexpr int kIoCol = 1;
constexpr int kFirstLangCol = 2;
}  // namespace

Ktx_String Ktx_ProfValuesTable::cellOf(const Ktx_StringArray& row, int col) {
    return row.isValidIndex(col) ? row[col] : Ktx_String();
}

bool Ktx_ProfValuesTable::getColumn(int col, Ktx_StringArray& values) const {
    if (rows.isEmpty() || col < 0 || col >= rows[0].length()) return false;
    values.removeAll();
    for (const Ktx_StringArray& row : rows) values.append(cellOf(row, col));
    return true;
}

bool Ktx_ProfValuesTable::getColumn(const Ktx_String& colName, Ktx_StringArray& values) const {
    const int col = getColumnIdx(colName);
    return col >= 0 && getColumn(col, values);
}

int Ktx_ProfValuesTable::getColumnIdx(const Ktx_String& colName) const {
    return header.find(colName, true);
}

bool Ktx_ProfValuesTable::getRow(int row, Ktx_StringArray& values) const {
    if (!rows.isValidIndex(row)) return false;
    values = rows[row];
    return true;
}

bool Ktx_ProfValuesTable::deleteRow(int row) {
    return rows.isValidIndex(row) && rows.removeAt(row) == Acad::eOk;
}

Ktx_String Ktx_ProfValuesTable::namePrefix(const Ktx_StringArray& row, int langCol) const {
    if (!row.isValidIndex(langCol)) return name;
    Ktx_String user = row[langCol];
    const int digit = findFirstNumbers(user);
    if (digit >= 0) user = user.getSubStringAt(0, digit);
    return user.isEmpty() ? name : user;
}

bool Ktx_ProfValuesTable::insertRow(int row) {
    if (!rows.isValidIndex(row) || !rows.isValidIndex(row + 1)) return false;
    const int langCol = getColumnIdx(gMacroLangs.GetCurLanguage());
    Ktx_StringArray copy = rows[row];
    const Ktx_String prefix = namePrefix(copy, langCol);
    const Ktx_String own = cellOf(copy, 0);
    const Ktx_String sysName = findUnusedSysName(own.isEmpty() ? Ktx_String("1") : own);
    if (copy.isEmpty()) copy.append(sysName);
    copy[0] = sysName;
    // A table without a column for the current language keeps the copied user names.
    if (copy.isValidIndex(langCol)) copy[langCol] = prefix + sysName;
    return rows.insertAt(row + 1, copy) == Acad::eOk;
}

Acad::ErrorStatus Ktx_ProfValuesTable::insertRow(int row, const Ktx_String& sysName,
                                                 const Ktx_String& userName) {
    if (!insertRow(row)) return Acad::eInvalidInput;
    // The given names go to the new row: naming the source row instead would take its system
    // name away from the size it has always named.
    if (setSysName(row + 1, sysName) != Acad::eOk) return Acad::eInvalidInput;
    if (setUserNames(row + 1, userName) != Acad::eOk) return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_ProfValuesTable::setSysName(int row, const Ktx_String& sysName) {
    if (!rows.isValidIndex(row) || rows[row].isEmpty()) return Acad::eInvalidInput;
    rows[row][0] = sysName;
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_ProfValuesTable::setUserNames(int row, const Ktx_String& userName) {
    const int languages = getNrLanguages();
    if (!rows.isValidIndex(row) || rows[row].length() < languages + kFirstLangCol) {
        return Acad::eInvalidInput;
    }
    for (int col = kFirstLangCol; col < kFirstLangCol + languages; ++col) {
        rows[row][col] = userName;
    }
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_ProfValuesTable::setValues(int row, const AcArray<double>& values) {
    const int first = kFirstLangCol + getNrLanguages();
    if (!rows.isValidIndex(row) || values.length() != rows[row].length() - first) {
        return Acad::eInvalidInput;
    }
    for (int k = 0; k < values.length(); ++k) {
        rows[row][first + k] = Ktx_String(values[k], 1, false);
    }
    return Acad::eOk;
}

void Ktx_ProfValuesTable::getSysNames(Ktx_StringArray& names) const {
    names.removeAll();
    for (const Ktx_StringArray& row : rows) names.append(name + "-" + cellOf(row, 0));
}

void Ktx_ProfValuesTable::getFilteredSysNames(Ktx_StringArray& names) const {
    names.removeAll();
    for (const Ktx_StringArray& row : rows) {
        if (cellOf(row, kIoCol) != "0") names.append(name + "-" + cellOf(row, 0));
    }
}

Ktx_String Ktx_ProfValuesTable::findUnusedSysName(const Ktx_String& proposal) const {
    Ktx_StringArray sysNames;
    for (const Ktx_StringArray& row : rows) sysNames.append(cellOf(row, 0));
    return findNonExistingString(sysNames, proposal);
}

bool Ktx_ProfValuesTable::findSysName(const Ktx_String& sysName, int& row) const {
    for (int i = 0; i < rows.length(); ++i) {
        if (cellOf(rows[i], 0) == sysName) {
            row = i;
            return true;
        }
    }
    return false;
}

int Ktx_ProfValuesTable::getfilteredIdx(int row) const {
    if (!rows.isValidIndex(row)) return -1;
    int inactive = 0;
    for (int i = 0; i < row; ++i) {
        if (cellOf(rows[i], kIoCol) != "1") ++inactive;
    }
    return row - inactive;
}

int Ktx_ProfValuesTable::getNrLanguages() const {
    return header.length() >= 7 && header[6] == "Korean" ? 5 : 4;
}

void Ktx_ProfValuesTable::removeInactiveEntries() {
    for (int i = rows.length() - 1; i >= 0; --i) {
        if (rows[i].length() >= 2 && rows[i][kIoCol] == "0") rows.removeAt(i);
    }
}
