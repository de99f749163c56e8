#pragma once
// Ktx_ProfValuesTable: one table of the section library, all sizes of one profile family (one
// ".pr" file below the library's "prof\\" folder). Every row is one size:
//   column 0        "SysName"  system name, unique within the table ("100")
//   column 1        "I/O"      "1" active, "0" inactive
//   columns 2..1+L  languages  the size's user name per user-interface language
//   columns 2+L..   values     the dimensions, as text
// L (getNrLanguages) is 5 when the seventh header name is "Korean", else 4. The full section
// name of a row, as the rest of the product uses it, is name + "-" + system name ("HEA-100").
//
// Indices are zero-based and checked: a bad one gives false or Acad::eInvalidInput and leaves
// the table unchanged. Copies are deep.
#include "acad.h"
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class Ktx_Spread;
class Ktx_SectionTableManager;

class Ktx_ProfValuesTable {
  public:
    Ktx_ProfValuesTable() = default;
    // Deep copies; the rows' growth step goes along.
    Ktx_ProfValuesTable(const Ktx_ProfValuesTable& other) = default;
    Ktx_ProfValuesTable& operator=(const Ktx_ProfValuesTable& other) = default;
    virtual ~Ktx_ProfValuesTable() = default;

    // The column (by index, or by header name) of every row; a row shorter than the column
    // gives an empty text. False when there are no rows, the index lies beyond the first row,
    // or the name is not in the header.
    bool getColumn(int col, Ktx_StringArray& values) const;
    bool getColumn(const Ktx_String& colName, Ktx_StringArray& values) const;
    // Position of the name in the header (exact bytes), -1 when absent.
    int getColumnIdx(const Ktx_String& colName) const;
    bool getRow(int row, Ktx_StringArray& values) const;
    bool deleteRow(int row);
    // Inserts a copy of the row right after it, under a system name no row has yet; the copy's
    // user name in the current language becomes the row's name prefix + that system name.
    // False (nothing inserted) for the last row or a bad index.
    bool insertRow(int row);
    // As above, and the new row gets the given system name and user name in all languages.
    Acad::ErrorStatus insertRow(int row, const Ktx_String& sysName, const Ktx_String& userName);
    Acad::ErrorStatus setSysName(int row, const Ktx_String& sysName);
    // Sets every language column of the row; the row needs at least L + 2 cells.
    Acad::ErrorStatus setUserNames(int row, const Ktx_String& userName);
    // Value k goes to column 2 + L + k as text with one decimal ("100.0"); the count must match
    // the row's value columns exactly.
    Acad::ErrorStatus setValues(int row, const AcArray<double>& values);

    // Full section names of all rows, or of the rows whose "I/O" cell is not "0".
    void getSysNames(Ktx_StringArray& names) const;
    void getFilteredSysNames(Ktx_StringArray& names) const;
    // A system name no row has: the proposal, or it with a number counted up.
    Ktx_String findUnusedSysName(const Ktx_String& proposal) const;
    bool findSysName(const Ktx_String& sysName, int& row) const;
    // The row's position among the active rows (rows whose "I/O" cell is "1"); -1 for a bad
    // index.
    int getfilteredIdx(int row) const;
    int getNrLanguages() const;
    // Removes the rows (of two cells or more) whose "I/O" cell is "0".
    void removeInactiveEntries();

    // Files: fileName is relative to libDir + "prof\\"; ".pr" is added when missing. Row 0 of
    // the file is the shape, row 1 the header, then the data rows. readFromFile returns false,
    // leaving the table as it was, when the file cannot be read.
    bool readFromFile(const Ktx_String& fileName);
    bool writeToFile(const Ktx_String& fileName) const;
    // The table as the rows of its file, and back (readFromFile's rule for the first two rows).
    Ktx_Array<Ktx_StringArray> toFileRows() const;
    void setFromFileRows(const Ktx_String& tableName, const Ktx_Array<Ktx_StringArray>& fileRows);
    // The path of a table file (see above).
    static Ktx_String filePath(const Ktx_String& fileName);

    // Shows the table in the grid: the "I/O" column as check boxes, every row header the table
    // name, the changed mark cleared. False (grid left empty) when the table has no rows.
    bool setToSS(Ktx_Spread& ss) const;
    // Replaces name, header and rows by the grid's contents; shapeRef stays. False when the
    // grid has no rows or no columns.
    bool getFromSS(Ktx_Spread& ss);
    // Publishes the table ("I/O" column removed) to the section tables, replacing one of the
    // same name. A drawing shape gets "Prof\\" in front.
    Acad::ErrorStatus setToGlobals(Ktx_SectionTableManager* manager) const;

    Ktx_String name;
    Ktx_String shapeRef;
    Ktx_StringArray header;
    Ktx_Array<Ktx_StringArray> rows{0, 8};

  private:
    // The cell, or the empty text when the row is shorter.
    static Ktx_String cellOf(const Ktx_StringArray& row, int col);
    // Name prefix of a row: its current-language user name up to the first digit, else name.
    Ktx_String namePrefix(const Ktx_StringArray& row, int langCol) const;
};
