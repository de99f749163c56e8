#pragma once
// The translation table of section names for an exchange format (e.g. "CIS2ProfNames.dat"):
// pairs of a library section name and the name the other system uses.
//
// The file is a properties list (ktx_properties_list.h): one "name=translation" line per
// pair, in order; a name occurs once. readSectionTranslation gives the pairs as two parallel
// lists; writeSectionTranslation lets the user edit them in the Core library's table editor
// (resource 30111: the names and the translations in two columns of lines, a pair per line)
// and, on OK, writes the file whole.
#include "ktx_string.h"
#include "ktx_string_array.h"

constexpr unsigned kSectionTranslationResourceId = 30111;

// False, lists emptied, when the file is missing or damaged.
bool readSectionTranslation(const Ktx_String& file, Ktx_StringArray& names,
                            Ktx_StringArray& translations);
// Shows the editor with `caption` and the explaining `text`; on OK stores the edited lists in
// `names` and `translations` and writes them to `file`. False when cancelled or not written.
bool writeSectionTranslation(const Ktx_String& caption, const Ktx_String& text,
                             Ktx_StringArray& names, Ktx_StringArray& translations,
                             const Ktx_String& file);

// The pairs typed as two columns of lines: line k of each makes pair k. Lines with an empty
// name are dropped; a name given twice keeps its first place and its last translation.
void sectionTranslationFromLines(const Ktx_String& nameLines, const Ktx_String& translationLines,
                                 Ktx_StringArray& names, Ktx_StringArray& translations);
// Writes the pairs (the file replaced whole); false when it could not be written.
bool sectionTranslationWrite(const Ktx_String& file, const Ktx_StringArray& names,
                             const Ktx_StringArray& translations);
