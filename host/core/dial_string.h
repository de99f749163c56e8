#pragma once
// dialString: the user-interface text for a numeric key in the current language
// (gMacroLangs). The text table is read from the library: libDir + "Texts\\" + language +
// ".txt", a properties list (ktx_properties_list.h) whose keys are the numbers in decimal,
// e.g. "606=Add", together with the language's sub-files "Texts\\<language>-*.txt" (read in
// name order after the main file; a later file's key wins), so each part of the product can
// keep its texts in a file of its own. A key missing in the current language's table is taken from
// the English table; a key missing there too gives the visible placeholder "#" + key ("#1234").
// Tables are read on first use and again when libDir changes.
#include "ktx_string.h"
#include "ktx_string_array.h"

Ktx_String dialString(int key);
// The text of key in every language of gMacroLangs, in their order.
Ktx_StringArray dialStringAllLangs(int key);
// Forgets the loaded tables (they are read again on next use).
void resetDialStrings();
