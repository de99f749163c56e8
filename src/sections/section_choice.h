#pragma once
// What the macro dialogs use to offer and choose sections: display names, the sizes of a
// section's table, a section drop-down, and the section selection dialog.
#include "ktx_string.h"
#include "ktx_string_array.h"

class CWnd;

// The user name of a full section name in the current language (gSectionTables), or the full
// name itself when the section tables do not know it.
Ktx_String sectionDisplayName(const Ktx_String& fullName);
// The active sizes (full names) of the table of a full section name ("HEA" of "HEA-100"),
// read from its file; displayNames gets their display names and one more entry, text 695. A
// table that cannot be read gives no sizes and that one entry.
Ktx_StringArray sectionTableSizes(const Ktx_String& fullName, Ktx_StringArray& displayNames);
// Fills the drop-down `comboId` of dialog with the sizes of the current name's table (a user
// section, "User Sections\\...", alone) and selects the current name's entry; fullNames gets
// the full name of every entry but the last.
void fillSectionCombo(CWnd* dialog, int comboId, Ktx_StringArray& fullNames,
                      const Ktx_String& current);
// Shows the section selection dialog on name (posting "CANCELCMD" first when asked); on OK
// name becomes the chosen section without a leading library folder and the result is true;
// otherwise name is unchanged.
bool chooseSection(Ktx_String& name, bool cancelFirst);
// Chooses a section starting from an empty name; on success fills the drop-down with it.
bool chooseSectionForCombo(CWnd* dialog, int comboId, Ktx_StringArray& fullNames, Ktx_String& name,
                           bool cancelFirst);
