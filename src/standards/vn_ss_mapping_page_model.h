#pragma once
// The rules of the standards mapping page, without windows. It edits a macro's settings
// (held by pointer, not owned): the list of linked standards with their mapping keys, and for
// the standard shown, the link of every Input and Output variable to an entry of the macro's
// catalogue.
//
// List: row i of the standards grid is standard i, shown as its name and what it maps to
// ("<Entire macro>" or a module-group name). takeList reads the rows back: "<Entire macro>"
// keeps a key that is no module-group key, a group name gives "Module." + the name.
//
// Mapping: showMapping lays out the rows of one standard from the variables found in its sheet
// (a title row per section, then one row per variable) with the catalogue entries valid for
// each variable's type; the entry linked now (found with findCompatible) is chosen. saveMapping
// writes nothing when the links are unchanged; otherwise it stores the links in the standard's
// mapping file under a fresh 24-character key, which becomes the standard's key. The line of
// the old key stays in the file for other macros that use it.
//
// Every change of the list or of a mapping sets the modified flag. Indices are 0-based; an
// index outside the list does nothing (false).
#include <vector>

#include "acad.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "macro_settings_data.h"
#include "vn_ss_mapping.h"
#include "vn_value_type.h"

class VnVarCells;

// The text of column 2 for a standard that maps to the whole macro.
extern const char* const kVnEntireMacro;  // "<Entire macro>"

// One row of the mapping grid.
struct VnMappingRow {
    bool title = false;  // a section's title row ("Input" / "Output")
    VnCellType section = VnCellInput;
    VnValueType type = VnValueString;
    Ktx_String name;           // the variable's name, or the section's title
    std::vector<int> choices;  // catalogue indices offered, in catalogue order
    int chosen = -1;           // index into choices, -1 for none
    int shownChoice = -1;      // chosen when the row was laid out
};

class VnSSMappingPageModel {
  public:
    explicit VnSSMappingPageModel(MacroSettingsData* settings);

    bool hasSettings() const { return settings_ != nullptr; }
    int standardCount() const;
    const Ktx_String& standardName(int i) const;
    const Ktx_String& mappingKey(int i) const;
    bool isModified() const { return modified_; }
    void setModified() { modified_ = true; }

    // --- the list -----------------------------------------------------------------------
    // Every "*.vns" below the library's "Connection Standards\" folder, relative to it and
    // without extension.
    static Ktx_StringArray standardChoices();
    // "<Entire macro>", then the macro's module-group names.
    Ktx_StringArray mapsToChoices() const;
    // Column 2 of standard i: the group after "Module.", else "<Entire macro>".
    Ktx_String mapsToText(int i) const;
    bool isModuleGroup(int i) const;
    // The list as the grid holds it, one (name, maps-to text) per row.
    struct ListRow {
        Ktx_String name;
        Ktx_String mapsTo;
    };
    void takeList(const std::vector<ListRow>& rows);
    // An empty standard with an empty key before index i (i == count appends).
    bool insertStandard(int i);
    bool removeStandard(int i);
    // Exchanges standards i and j with their keys.
    bool swapStandards(int i, int j);

    // --- the mapping of the shown standard ------------------------------------------------
    int shown() const { return shown_; }
    void forgetShown();
    // The standard's sheet: libDir + "Connection Standards\" + name + ".vns".
    static Ktx_String standardPath(const Ktx_String& name);
    // Makes standard i the shown one and lays out its rows from the variables of its sheet;
    // null cells (a sheet that did not load) and a module-group standard give no rows. False,
    // nothing shown, for an index outside the list.
    bool showMapping(int i, const VnVarCells* cells);
    const std::vector<VnMappingRow>& rows() const { return rows_; }
    // The text a catalogue entry is offered as: object name, "." and property when both are
    // present, "." and the kind's keyword except for Distance and MemberSectionSize, then a
    // blank and the label when there is one.
    Ktx_String choiceText(int catalogueIndex) const;
    Ktx_StringArray choiceTexts(const VnMappingRow& row) const;
    // Chooses by text in row r (0-based, into rows()); an empty or unknown text chooses none.
    bool choose(int r, const Ktx_String& text);
    // The links of the rows: one map per row with a chosen entry.
    VnSSMapping builtMapping() const;
    // Stores the links of the shown standard when they changed (see above). eOk also when
    // nothing needed writing; eInvalidInput when no key could be drawn or the file could not
    // be written (the standard's key is then unchanged).
    Acad::ErrorStatus saveMapping();
    // Draws a 24-character key that is none of `used`; empty when the random source fails
    // or 9999 draws found no free key.
    static Ktx_String freshKey(const Ktx_StringArray& used);
    // How a changed mapping of standard `name` is stored, shared with the command line: when
    // `built` isEqual to `stored` and no link was taken away, nothing is written and `key`
    // stays; otherwise `built` is written under a fresh key, which `key` becomes. eInvalidInput
    // (key unchanged) when no key could be drawn or the file could not be written.
    static Acad::ErrorStatus storeChangedMapping(const Ktx_String& name, const VnSSMapping& built,
                                                 const VnSSMapping& stored, bool linkRemoved,
                                                 Ktx_String& key, bool& written);

    const VnSSMapping& catalogue() const { return catalogue_; }

  private:
    bool validIndex(int i) const;
    void addSectionRows(const VnVarCells& cells, VnCellType section, const char* title);
    bool linkRemoved() const;

    MacroSettingsData* settings_ = nullptr;
    VnSSMapping catalogue_;
    VnSSMapping stored_;  // the mapping stored for the shown standard's key
    std::vector<VnMappingRow> rows_;
    int shown_ = -1;
    bool modified_ = false;
};
