#pragma once
// What the mapping file needs of the Core library's files and settings.
#include "ktx_string.h"
#include "ktx_string_array.h"

// The product library folder (ends with a backslash).
Ktx_String mappingLibraryFolder();
// The path with its extension changed to "map".
Ktx_String changeMappingExtension(const Ktx_String& path);
// A text file as lines (LF or CRLF); false when it cannot be read.
bool readTextLines(const Ktx_String& path, Ktx_StringArray& lines);
// Lines written with CRLF, replacing the file atomically; false when that fails.
bool writeTextLines(const Ktx_String& path, const Ktx_StringArray& lines);
