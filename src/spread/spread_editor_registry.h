#pragma once
// The spreadsheet editor's values in the registry, under HKEY_LOCAL_MACHINE
// "Software\\Varnox\\Spreadsheet Editor v1.0": "Language" (the editor's language) and
// "Default Settings" (the editor data for new spreadsheets, in its stored form); and the
// companion ".vnd" file of a spreadsheet.
//
// Promises: the two values are read together or not at all (a failed read leaves both
// outputs as they were) and written together (false when either write fails).
#include "ktx_string.h"

inline constexpr const char* kSpreadEditorKey = "Software\\Varnox\\Spreadsheet Editor v1.0";
inline constexpr const char* kSpreadEditorLanguage = "Language";
inline constexpr const char* kSpreadEditorDefaults = "Default Settings";

// Reads both string values; false (outputs unchanged) when the key or either value is
// missing or not a string.
bool readSpreadEditorRegistry(Ktx_String& language, Ktx_String& defaultSettings);
// Writes both string values, creating the key when needed; false when the key cannot be
// opened or either write fails.
bool writeSpreadEditorRegistry(const Ktx_String& language, const Ktx_String& defaultSettings);

// The companion file of a spreadsheet: the user's settings folder (ending in a backslash),
// the spreadsheet's name without folder and without a ".vns" extension, and ".vnd"; empty
// when the name or the settings folder is empty.
Ktx_String spreadCompanionFileName(const Ktx_String& spreadName);
