#pragma once
// The part of a macro's edit state that the macro dialog binds to its controls: per tab its
// kind, template, cells (the variables), bolt fields, cuts and block list, each with the
// binding id the dialog writes (a positive id is a template control's resource id, -r is row
// r of the page's grid, 0 unbound); per macro data the macros being edited, the title, the two
// filter lists, the start tab and the busy and closing flags.
//
// differences() compares two states of one tab; UpdateModule() applies such differences to
// the modules of every macro of the data, so the Ktx_Macro really changes. The clash-check
// calls and the views asked for are recorded in order (macroCoreCallLog) for tests.
#include <string>
#include <utility>
#include <vector>

#include "acad.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class Ktx_Macro;
class MacroData;
class MacroTabData;

struct MacroCell {
    std::string name;
    std::string value;
    bool readOnly = false;
    int type = 0;  // 5: a yes/no cell shown as a check box
    int id = 0;
};

struct MacroCut {
    std::string name;
    double value = 0.0;
    int id = 0;
};

// One of the values of an array (the Core library's dynamic array) with its binding id.
struct MacroArrayField {
    std::string value;
    int id = 0;
    bool operator==(const MacroArrayField&) const = default;
};

// An array of a tab: its kind (1: a counted array, whose count field the dialog shows), four
// fields, the count, further numbered entries and the button that opens the array dialog.
struct MacroArray {
    std::string name;
    int kind = 0;
    MacroArrayField fields[4];
    MacroArrayField count;
    std::vector<MacroArrayField> entries;
    int buttonId = 0;

    // The field a template control of type 18, 19, 21 or 22 shows (fields 1 to 4) or, for an
    // array of kind 1, type 20 (the count); nullptr for any other type.
    MacroArrayField* fieldOfControlType(int controlType);
    // Entry n (1-based, as a template names it); nullptr outside 1..count of entries.
    MacroArrayField* getEntry(int n);
};

// A flex group: variables whose flex/fix buttons belong together on a template.
struct MacroFlexFixGroup {
    std::string name;
    std::vector<std::string> members;
};

struct MacroTabEdit {
    int kind = 0;  // 0, 1, 3: image page; 2: profile page
    std::string templatePath;
    std::vector<MacroCell> cells;
    std::string boltFields[5];
    int boltFieldIds[5] = {};
    std::string boltAssembly;
    std::string boltDiameter;
    int advancedId = 0;  // the tab's advanced (bolt) button
    std::vector<MacroCut> cuts;
    bool hasBlockList = false;
    std::string currentBlock;
    int blockId = 0;
    std::vector<MacroArray> arrays;
    std::vector<MacroFlexFixGroup> flexGroups;
};

struct MacroDataEdit {
    std::vector<Ktx_Macro*> macros;  // the macros edited; owned by the drawing, not by the data
    std::string title;
    Ktx_StringArray filterList1;
    Ktx_StringArray filterList2;
    int filterSel1 = 0;
    int filterSel2 = 0;
    std::string startTab;
    std::string currentGroup;  // the selected module group of a several-macro edit
    bool busy = false;         // the Core library is processing for the dialog
    bool closing = false;
    bool propListAllowed = true;
};

// What changed in a tab: cells whose value changed, cuts, bolt fields, bolt counts, the bolt
// assembly and diameter, profile groups (section, offset type, rotation), array values and
// the current block.
struct MacroDifference {
    enum Kind {
        kCell,
        kCut,
        kBoltField,
        kBoltCount1,
        kBoltCount2,
        kBoltAssembly,
        kBoltDiameter,
        kProfileName,
        kProfileOffset,
        kProfileRotation,
        kArrayValue,
        kBlock,
    } kind = kCell;
    // Cell, cut, pattern or profile group name; "1".."5" for bolt fields; for an array value
    // the array's name and the field ("1".."4", "count" or "entryN") in `field`.
    std::string name;
    std::string value;
    std::string field;

    MacroDifference() = default;
    MacroDifference(Kind k, std::string n, std::string v, std::string f = {})
        : kind(k), name(std::move(n)), value(std::move(v)), field(std::move(f)) {}
};
using MacroDifferences = std::vector<MacroDifference>;

// The differences from `before` to `after` (the same tab before and after an edit), in the
// order of the kinds above. Items only in one of them are ignored.
MacroDifferences differences(const MacroTabData& before, const MacroTabData& after);

// Applies differences of the tab `tabName` to the macros of `data`: a cell sets the dialog or
// constraint variable of that name in the tab's modules (or the general variable of that
// name), a cut its first offset. Read-only variables are not set. eOk when every difference
// found a settable target in some macro; eKeyNotFound for an unknown tab or when none of the
// differences applied; eInvalidInput for a value that is no number. The macro data's own tab
// takes the new values as well.
Acad::ErrorStatus UpdateModule(const Ktx_String& tabName, MacroData& data,
                               const MacroDifferences& diffs);

// The names of the offset types of a profile placement, in the order of their numbers.
void getOffsetTypeStrings(Ktx_StringArray& names);
// The rotation texts a profile group offers: "0\xB0", "90\xB0", "180\xB0", "270\xB0".
void getRotationStrings(Ktx_StringArray& names);

// The Core library's clash check around a macro dialog; each call is recorded.
void clashInitDlgStarted(int dlgNumber);
void clashResetInfo(int dlgNumber);
bool clashGetStatus();
void clashSetStatus(bool on);
void clashcheck(MacroData& data);
void clashDlgClosed(int dlgNumber);
// A block swap in the drawing (recorded only).
void swapBlockRefs(MacroData& data, const Ktx_String& blockPath);

// Every recorded call, e.g. "clashcheck", "changeView Plate 3", "swapBlockRefs <path>".
const std::vector<std::string>& macroCoreCallLog();
void clearMacroCoreCallLog();
