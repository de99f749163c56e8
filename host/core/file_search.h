#pragma once
// Finding files by wildcard pattern, as the module's Windows callers expect: "*" matches any
// run of bytes, "?" one byte, letter case is ignored (code page 1252 folding), and "*.*"
// matches every name, also one without a dot.
//
// Results are full paths in the caller's form: the folder as given (a final backslash added
// when missing) followed by the file's name as it is on disk, sub-folders joined with "\\".
// They come sorted by path, ignoring letter case. Only files are found, not folders.
#include "ktx_string.h"
#include "ktx_string_array.h"

// True when name matches the wildcard pattern.
bool wildcardMatch(const Ktx_String& pattern, const Ktx_String& name);

// The files of folder whose names match pattern, appended to files after clearing it. False
// (files emptied) when the folder does not exist.
bool ObjectExportFindFiles(const Ktx_String& folder, const Ktx_String& pattern,
                           Ktx_StringArray& files);
// As above, in folder and all folders below it.
bool ObjectExportFindFilesRecursive(const Ktx_String& folder, const Ktx_String& pattern,
                                    Ktx_StringArray& files);
