#pragma once
// SpreadSettings: the editor data of one spreadsheet (print settings, default font, header and
// footer files, named variables), kept inside the sheet as the tag of cell 0,0 so that a saved
// sheet file carries it.
//
// Stored form: entries "key" 0xA4 "type" 0xA4 "value" 0xA4, one after the other; type 2 for
// whole numbers and flags (0 / 1), 4 for texts; a list is one text entry per element, keyed
// by the list's key and the element's index ("varNames0", "varNames1", ...).
//
// Promises:
// - A text holding the separator byte 0xA4 or a zero byte cannot be stored: toText and
//   writeToGrid refuse the whole write (false) instead of storing a corrupted entry, and the
//   grid's tag stays as it was.
// - fromText takes every well-formed entry with a known key and the field's own type; a
//   malformed or unknown entry is skipped and reported by false, never guessed at.
// - writeToGrid only writes to the grid the data was read from.
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "win_types.h"

class Ktx_Spread;

class SpreadSettings {
  public:
    static constexpr char kSeparator = '\xA4';
    static constexpr int kTypeWhole = 2;
    static constexpr int kTypeReal = 3;
    static constexpr int kTypeText = 4;

    SpreadSettings() = default;

    // Resets to the defaults, remembers the grid, marks the data loaded and parses the tag of
    // cell 0,0. False when the grid has no window or the tag held malformed entries (the
    // well-formed ones are still taken).
    bool readFromGrid(Ktx_Spread& ss);
    // Stores the data as the tag of cell 0,0. False when not loaded, when `ss` is not the grid
    // the data was read from, when a text cannot be stored, or when the grid refuses.
    bool writeToGrid(Ktx_Spread& ss) const;
    // Replaces the named variables. False (nothing changed) when the two lists differ in
    // length, since names and values are pairs.
    bool setVariables(const Ktx_StringArray& names, const Ktx_StringArray& values);

    // The stored form; false (text untouched) when a text holds 0xA4 or a zero byte.
    bool toText(Ktx_String& text) const;
    // Applies the entries of a stored form over the current fields; false when some entry was
    // malformed, unknown or of the wrong type (those are skipped).
    bool fromText(const Ktx_String& text);
    // True when the text can be stored as a value or key of an entry.
    static bool canStore(const Ktx_String& text);

    HWND grid = nullptr;
    bool loaded = false;
    Ktx_String headerFile;
    Ktx_String footerFile;
    Ktx_String defaultFont = "Tahoma";
    int defaultTextHeight = 13;
    int marginLeft = 9;
    int marginRight = 5;
    int marginTop = 5;
    int marginBottom = 5;
    bool smartPrint = true;
    bool colors = true;
    bool colHeader = true;
    bool rowHeader = true;
    bool cellSeperators = true;
    bool border = true;
    Ktx_StringArray varNames;
    Ktx_StringArray varValues;

  private:
    bool applyEntry(std::string_view key, int type, std::string_view value, int entryCount);
    bool applyListEntry(std::string_view key, std::string_view value, int entryCount);
};

// Reads the grid's editor data, replaces its variables and writes it back; true when it could
// be written.
bool spreadSetVariables(Ktx_Spread& ss, const Ktx_StringArray& names,
                        const Ktx_StringArray& values);
