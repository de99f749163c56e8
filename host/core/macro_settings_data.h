#pragma once
// The settings of one macro that the module's dialogs edit: the standards the macro is linked to
// (each a file name relative to "Connection Standards\\", without extension) with their mapping
// keys (a key of the standard's mapping file, or "Module." + a module-group name), the names of
// the macro's module groups, and the macro whose catalogue the dialogs offer.
//
// The macro keeps its standards itself (Ktx_Macro::standards); GetMacroSettings copies them out,
// SetMacroSettings stores them back. standards and mappingKeys are parallel arrays.
#include "acad.h"
#include "ktx_macro.h"
#include "ktx_string_array.h"

struct MacroSettingsData {
    Ktx_StringArray standards;
    Ktx_StringArray mappingKeys;
    Ktx_StringArray moduleGroups;
    Ktx_Macro* macro = nullptr;  // not owned

    bool operator==(const MacroSettingsData&) const = default;
};

// Fills the settings from the macro: its standards and keys, its module-group names in macro
// order, and the macro itself. eNullObjectPointer for a null macro (settings unchanged).
Acad::ErrorStatus GetMacroSettings(Ktx_Macro* macro, MacroSettingsData& settings);
// Stores the standards and their keys into the macro (the group names are the macro's own and
// are not written back). eInvalidInput, macro unchanged, when the two arrays differ in length;
// eNullObjectPointer for a null macro.
Acad::ErrorStatus SetMacroSettings(Ktx_Macro* macro, const MacroSettingsData& settings);
