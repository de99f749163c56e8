#pragma once
// The rules of the library editor's tables page, without windows: the shape list, the first
// table shown, a new table, and the header a shape change gives.
#include "ktx_prof_values_table.h"

// The shape drop-down's entries: the 24 section types as "<display name>", then the drawings.
Ktx_StringArray libShapeEntries(const Ktx_StringArray& drawingFiles);
// The table to show first for a full section name ("HEA" of "HEA-100"): its index among the
// names, else 0 (-1 when there are no tables).
int libFirstTableIndex(const Ktx_StringArray& tableNames, const Ktx_String& fullName);
// The name of a new table: text 779, or the next free variant of it.
Ktx_String libNewTableName(const Ktx_StringArray& tableNames);
// A new table: "SysName", "I/O", every language, two value columns (text 86 + "1" and "2"),
// and one active row with empty names and values "0".
Ktx_ProfValuesTable libNewTable(const Ktx_String& name);
// The header after a shape change: the name columns (system name, "I/O", the languages) and
// the value names of the section type; a drawing keeps the table's own value names.
Ktx_StringArray libHeaderForShape(const Ktx_StringArray& header, int languages,
                                  const Ktx_String& shape);
