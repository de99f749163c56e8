#pragma once
// Macro property files: the values a macro dialog shows, tab by tab, saved to be given to
// other macros of the same kind later (the dialog's read and write property buttons).
// docs/macro-file.md ("Property files") gives the layout:
//
//   Macro properties version 1.0
//   tab "End plate"
//   cell PlateThickness 15
//   array Holes entry2 40
//
// Each item line is one MacroDifference of the tab above it: a keyword for its kind, its name
// (cell, cut, pattern, group or array; "" for the bolt assembly, diameter and block), for
// arrays the field, and the value. Reading is all or nothing and names the line of an error.
#include <string>
#include <vector>

#include "macro_tab_edit.h"

class MacroData;
class MacroTabData;

struct MacroPropItem {
    std::string tab;
    MacroDifference item;
    bool operator==(const MacroPropItem& o) const {
        return tab == o.tab && item.kind == o.item.kind && item.name == o.item.name &&
               item.value == o.item.value && item.field == o.item.field;
    }
};

constexpr const char* kMacroPropHeader = "Macro properties version 1.0";

// Every value of a tab as differences (what a property file holds of it): cells that are not
// read-only, cuts, bolt fields and assembly texts that are not empty, bolt counts, profile
// groups, array values and, with a block list, the current block.
MacroDifferences allValuesOf(const MacroTabData& tab);

// The items of a property file's text (LF or CRLF). False with "line N: ..." on an error,
// items unchanged.
bool parseMacroPropText(const std::string& text, std::vector<MacroPropItem>& items,
                        std::string& error);
// The text of a property file holding the items (CRLF; a "tab" line before each run of items
// of one tab). False when a name or value holds a line break.
bool formatMacroPropItems(const std::vector<MacroPropItem>& items, std::string& text);
// The text of a property file holding every value of every tab of the data (CRLF). False when
// a name or value holds a line break.
bool formatMacroPropText(const MacroData& data, std::string& text);

// Stores one value into the tab's item of that name; false when the tab has no such item.
bool storeDifference(MacroTabData& tab, const MacroDifference& d);
