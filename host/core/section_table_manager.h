#pragma once
// The Core library's section tables: one table per profile family ("HEA.pr", "IPE.pr" ...),
// each with a shape, column names and rows of text. Tables are kept without the "I/O" column
// of the library files, so columns are: 0 the system name ("100"), 1 .. L the user names in
// the L languages (L is 5 when column 5 is named "Korean", else 4), then the values.
//
// A full section name is the table name without ".pr", "-", and the system name: "HEA-100".
// Name look-ups compare bytes exactly. Failures leave the outputs unchanged.
#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "acad.h"
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

struct Ktx_SectionTable {
    Ktx_String name;  // with ".pr", e.g. "HEA.pr"
    Ktx_String shape;
    Ktx_StringArray header;
    Ktx_Array<Ktx_StringArray> rows;

    // The table name without ".pr" ("HEA").
    Ktx_String familyName() const;
    // Number of language columns (4 or 5).
    int languageCount() const;
};

class Ktx_SectionTableManager {
  public:
    int tableCount() const { return static_cast<int>(tables_.size()); }
    const Ktx_SectionTable* table(int index) const;
    void clear() {
        tables_.clear();
        forgetIndex();
    }

    // Finds a table by name, with or without ".pr" on either side (letter case folded).
    bool hasTable(const Ktx_String& tableName, int& index) const;
    Acad::ErrorStatus removeTable(int index);
    // Adds a table; eInvalidInput for an empty name or header, eDuplicateKey when a table of
    // that name exists (remove it first).
    Acad::ErrorStatus addSectionTable(const Ktx_String& tableName, const Ktx_String& shape,
                                      const Ktx_StringArray& header,
                                      const Ktx_Array<Ktx_StringArray>& rows);

    // The full section name of a row of a table.
    Acad::ErrorStatus getSectionName(int tableIndex, int row, Ktx_String& fullName) const;
    // The column names (without "I/O") of the table of a full section name.
    Acad::ErrorStatus getSectionColumnNames(const Ktx_String& fullName,
                                            Ktx_StringArray& names) const;
    // One cell of a section's row; column is 0-based into getSectionColumnNames. A row shorter
    // than the header gives eInvalidInput for the missing cells.
    Acad::ErrorStatus getSectionValue(const Ktx_String& fullName, int column,
                                      Ktx_String& value) const;
    // A user name in any language, or a full name, to the full name ("HEA 100" -> "HEA-100").
    Acad::ErrorStatus getSystemName(const Ktx_String& anyName, Ktx_String& fullName) const;
    // A full name to its user name in the current language (the first language column when
    // the table has no column of that name).
    Acad::ErrorStatus getUserName(const Ktx_String& fullName, Ktx_String& userName) const;

    // The user-interface language whose column getUserName reads ("English" at start).
    void setCurrentLanguage(const Ktx_String& language) { language_ = language; }
    const Ktx_String& currentLanguage() const { return language_; }

    // Reads every "*.pr" table file of a folder (row 0 the shape, row 1 the header, then the
    // rows; the "I/O" column dropped; a shape with a "." gets "Prof\\" in front), replacing
    // tables of the same name. Files that cannot be read or have fewer than two rows are
    // skipped with a line on the command line. Returns the number of tables read.
    int loadFolder(const Ktx_String& folder);
    // loadFolder of the library's "prof\\" folder (gSettings.libDir).
    int loadLibrary();
    // One table file; false when it cannot be read or has fewer than two rows.
    bool loadTableFile(const Ktx_String& path);
    // A table from the rows of a table file (see loadFolder); eInvalidInput for fewer than two
    // rows or an empty header, eOk otherwise (a table of that name is replaced).
    Acad::ErrorStatus addTableFromFileRows(const Ktx_String& name,
                                           const Ktx_Array<Ktx_StringArray>& rows);

  private:
    // Table index and row of a full section name; false when none.
    bool findSection(const Ktx_String& fullName, int& tableIndex, int& row) const;

    // Full section name -> (table, row) of its first occurrence; built at the first look-up
    // after a change of the tables.
    using SectionIndex = std::unordered_map<std::string, std::pair<int, int>>;
    const SectionIndex& sectionIndex() const;
    // After a change of the tables: the index and the names last looked up are gone.
    void forgetIndex();

    // A name findSection was asked lately and its answer (table -1: no such section): the
    // same few sections are asked for again and again, and a look-up here is one comparison.
    struct SectionLookUp {
        bool used = false;
        std::string name;
        int table = -1;
        int row = 0;
    };
    static constexpr std::size_t kKeptLookUps = 4;

    std::vector<Ktx_SectionTable> tables_;
    mutable std::unique_ptr<SectionIndex> index_;
    mutable std::array<SectionLookUp, kKeptLookUps> lookUps_;
    mutable std::size_t nextLookUp_ = 0;  // the one to give to the next new name
    Ktx_String language_ = "English";
};

// The Core library's section tables.
extern Ktx_SectionTableManager gSectionTables;
