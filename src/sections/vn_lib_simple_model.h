#pragma once
// VnLibSimpleModel: the rules of the simple size dialog, which adds one size to a section
// table from its dimensions. It works on a copy of the table.
//
// On opening it finds the template: from the row of the given system name on (at most 9999
// rows) the first row whose system name maps completely onto its values (size_name_map.h).
// Its user names cut before their first digit are the name prefixes per language, and its
// values fill the value fields (one per value column, at most eleven). With no template the
// fields are empty.
//
// The name: automatic (the current language's prefix + the composed name, the mapped fields'
// texts in the order of the name's parts joined by "x") or typed by the user.
//
// add() puts the new size into the copy: the given row copied, made active, named and valued
// from the fields, at its sorted place (a square size among the squares). A rectangular tube
// whose fourth value is neither 0 nor greater than its third is refused first, so a refused
// size never enters the table.
#include <vector>

#include "ktx_prof_values_table.h"

constexpr int kSimpleMaxFields = 11;
constexpr int kSimpleMaxTemplateRows = 9999;

class VnLibSimpleModel {
  public:
    enum class AddResult { Added, Refused, Failed };

    VnLibSimpleModel(const Ktx_String& templateSysName, const Ktx_ProfValuesTable& table);

    const Ktx_ProfValuesTable& table() const { return table_; }
    int templateRow() const { return templateRow_; }
    const std::vector<int>& nameMap() const { return nameMap_; }
    const Ktx_StringArray& prefixes() const { return prefixes_; }

    // Fields shown (value columns, at most eleven), their labels and texts.
    int fieldCount() const { return fieldCount_; }
    Ktx_String label(int field) const;
    Ktx_String fieldText(int field) const;
    void setFieldText(int field, const Ktx_String& text);

    bool automaticName() const { return automatic_; }
    // Switching to typed keeps the name shown; switching back recomposes it.
    void setAutomaticName(bool automatic);
    // What the name field shows.
    const Ktx_String& nameText() const { return nameText_; }
    // A typed name (ignored while the name is automatic).
    void setTypedName(const Ktx_String& text);
    Ktx_String composedName() const;

    // The system name the new size gets.
    Ktx_String newSysName() const;
    // Adds the size; newRow gets its row index. Refused (nothing added) when the rectangular
    // tube check fails; Failed when the given system name has no row.
    AddResult add(int& newRow);
    // The row the new size goes to (see the class comment).
    int sortedPosition(const Ktx_String& sysName) const;
    // True when a rectangular tube's values pass the check (always true for other shapes).
    bool passesTubeCheck(const Ktx_StringArray& row) const;

  private:
    void findTemplate(int startRow);
    void recompose();
    int firstValueCol() const { return 2 + table_.getNrLanguages(); }
    int currentLanguage() const;

    Ktx_ProfValuesTable table_;
    Ktx_String givenSysName_;
    int givenRow_ = -1;
    int templateRow_ = -1;
    Ktx_StringArray prefixes_;
    std::vector<int> nameMap_;
    int fieldCount_ = 0;
    Ktx_StringArray fields_;
    Ktx_StringArray labels_;
    bool automatic_ = true;
    Ktx_String nameText_;
};
