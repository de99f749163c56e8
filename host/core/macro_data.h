#pragma once
// The edit state of a macro as its dialog holds it: one tab per module tab name (the module's
// label, or its name when it has none). A tab may carry bolt data (the diameter and hole
// offset texts and the bolt counts of its patterns), the merged properties of its profile
// groups, and the state of its flex/fix buttons (whether a dialog variable keeps the value it
// is given or may be changed by the geometry).
//
// Lookups return false / eKeyNotFound and leave their outputs unchanged when the name is absent.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acad.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "macro_tab_edit.h"

struct MacroPatternData {
    std::string name;
    std::string nrBolts1;
    std::string nrBolts2;
    // Binding ids the macro dialog writes: count text, second count, pattern dialog button.
    int countId = 0;
    int count2Id = 0;
    int buttonId = 0;
};

struct MacroBoltData {
    std::string diameter;    // e.g. "M20" or "20"
    std::string holeOffset;  // e.g. "2"
    std::vector<MacroPatternData> patterns;
};

// The properties of a profile group as the tab shows them merged over its members.
struct MacroProfData {
    Ktx_String memberName;
    Ktx_String sectionName;
    Ktx_String material;
};

struct MacroFlexFixButton {
    std::string varName;
    bool fixed = true;      // the variable keeps the value it is given
    bool flexible = false;  // the geometry may change the variable
};

// A profile group of a tab: the member name, section (the profile name the dialog shows),
// material, the section names of that profile's type the dialog offers, the offset type and
// rotation of the placement, and the binding ids of the controls that show them.
struct MacroGroupProps {
    std::string groupName;
    std::string memberName;
    std::string sectionName;
    std::string material;
    std::vector<std::string> sectionNames;
    std::string offsetType;
    std::string rotation;
    int profileNameId = 0;
    int buttonId = 0;
    int offsetId = 0;
    int rotationId = 0;
    int advancedId = 0;
};

class MacroTabData {
  public:
    std::string name;
    std::optional<MacroBoltData> bolts;
    std::vector<MacroGroupProps> groups;
    std::vector<MacroFlexFixButton> flexFix;
    MacroTabEdit edit;  // what the macro dialog binds and edits (macro_tab_edit.h)

    // Look-ups of the edit state by name (exact); nullptr when absent.
    MacroCell* findCellWithName(const Ktx_String& cellName);
    MacroCut* findCutWithName(const Ktx_String& cutName);
    MacroPatternData* findPatternWithName(const Ktx_String& patternName);
    MacroGroupProps* findProfDataWithGroup(const Ktx_String& group);
    MacroArray* findArrayWithName(const Ktx_String& arrayName);
    MacroFlexFixGroup* findFlexFixGroup(const Ktx_String& groupName);
    // True when the tab has a flex/fix button for the variable.
    bool hasBtnFlexFix(const Ktx_String& varName) const;

    // The tab's bolt data; nullptr when the tab has none.
    MacroBoltData* getBoltData() { return bolts ? &*bolts : nullptr; }
    // The merged properties of a profile group; false when the tab has no such group.
    bool getMergedPropsOfGroup(const Ktx_String& group, MacroProfData& props) const;
    // Stores the properties of a profile group; false when the tab has no such group.
    bool setMergedPropsOfGroup(const Ktx_String& group, const MacroProfData& props);
    // True when the tab has a flex/fix button for the variable; fixed and flexible get its state.
    bool getFlexFixBtnStatus(const Ktx_String& varName, bool& fixed, bool& flexible) const;
    // A click on the button: it switches to fixed and not flexible, the state in which a value
    // given to the variable stays. redraw asks the dialog to redraw (no dialog here).
    void flexFixBtnClicked(const Ktx_String& varName, bool redraw);
};

class MacroData {
  public:
    std::vector<MacroTabData> tabs;
    MacroDataEdit edit;  // macros, title, filters, flags (macro_tab_edit.h)

    MacroData() = default;
    MacroData(const MacroData&) = default;
    MacroData(MacroData&&) = default;  // the virtual destructor would leave only the copy
    MacroData& operator=(const MacroData&) = default;
    MacroData& operator=(MacroData&&) = default;
    virtual ~MacroData() = default;
    // Index of the tab of that name; false when none.
    bool findTab(const Ktx_String& tabName, int& index) const;
    // The tab at an index; nullptr outside 0..count-1.
    MacroTabData* getTab(int index);
    // The tab of that name; nullptr when none.
    MacroTabData* tabNamed(std::string_view tabName);
    int tabCount() const { return static_cast<int>(tabs.size()); }

    // The edit key of the dialog's stored size: "EDITVARS_" + the single macro's name, or for
    // several macros "GROUP_" + the current group, or their count + "_MACROS".
    std::string editKey() const;
    bool propListAllowed() const { return edit.propListAllowed; }
    // A filter combo changed (first: the first combo); recorded.
    void UpdateAllFilterModified(int first);
    // Asks the drawing for a view (0..3) of the tab's modules; recorded.
    void changeView(const Ktx_String& tabName, int view);
    // Applies every value of every tab (allValuesOf, macro_prop_file.h) to the macros; eOk
    // when every value found its target (UpdateModule's results otherwise).
    Acad::ErrorStatus setAllToMacro();
    // Applies the dialog's values again (as setAllToMacro).
    Acad::ErrorStatus reApply();
    // Sets every cell, cut and profile section of every tab as the first macro holds it now.
    void refreshFromMacros();

    // Property files: their folder (libDir + "Macro Properties\\"), extension ("mpr"), the
    // file chooser's filter text and the files there now.
    void getPropFiles(Ktx_String& folder, Ktx_String& extension, Ktx_String& filterText,
                      Ktx_StringArray& files) const;
    // Reads a property file into the tabs: every value whose tab and item this data has (and
    // that is not a read-only cell) is stored; the others are listed in notApplied as
    // "tab: item". False (data unchanged, error set when given) when the file cannot be read
    // or is no property file. The macros are not touched: setAllToMacro applies the values.
    bool readFromFile(const Ktx_String& path, Ktx_StringArray& notApplied,
                      Ktx_String* error = nullptr);
    // Writes every value of every tab to a property file, atomically; false on failure.
    bool writeToFile(const Ktx_String& path) const;

    // Evaluates every standard linked to each macro (Ktx_Macro::standards, with its mapping
    // key) through the evaluator the module installed (macro_core_hooks.h), then refreshes the
    // tabs from the macros. eNotApplicable when no evaluator is installed; otherwise eOk, or
    // the last failure of an evaluation (the others still ran).
    Acad::ErrorStatus loadFromStandards();
    // Lets the user pick other macros (through the installed selector, macro_core_hooks.h).
    // True when the macros changed: the data then edits the new ones, its group selection is
    // cleared and its tabs are refreshed from the first new macro.
    bool SelectOtherMacros();
};

// Reads or writes the bolt count (first: direction 1, else 2) of a pattern of a tab's bolt
// data. Fails when the tab has no bolt data or no such pattern.
Acad::ErrorStatus getSetNrBolts(MacroTabData* tab, const Ktx_String& patternName, Ktx_String& value,
                                bool get, bool first);
