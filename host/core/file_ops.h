#pragma once
// File and folder operations on the module's Windows paths, and the path text helpers.
// All return false (and change nothing) on failure.
#include <ctime>

#include "ktx_string.h"

bool ObjectExportFileExists(const Ktx_String& path);    // a file (not a folder)
bool ObjectExportFolderExists(const Ktx_String& path);  // a folder
// Creates the folder and every missing folder above it; true when it exists afterwards.
bool ObjectExportCreateDirectory(const Ktx_String& path);
// Copies a file; with overwrite false an existing target makes it fail. The target is
// replaced atomically.
bool ObjectExportCopyFile(const Ktx_String& from, const Ktx_String& to, bool overwrite);
// Deletes a file (not a folder).
bool ObjectExportDeleteFile(const Ktx_String& path);
// The file's last modification time, in seconds since the epoch.
bool ObjectExportGetFileTime(const Ktx_String& path, std::time_t& modified);
// Sets the file's modification time (tests and copies that keep times).
bool ObjectExportSetFileTime(const Ktx_String& path, std::time_t modified);

// The path without the extension of its last part: "a\\b.c\\d.txt" -> "a\\b.c\\d";
// "a\\b.c\\d" is unchanged; only the last extension goes ("x.tar.gz" -> "x.tar").
Ktx_String removeExtension(const Ktx_String& path);
// The path with its last part's extension replaced (or added when it has none); extension
// with or without its dot: changeExtension("a\\s.vns", "map") -> "a\\s.map".
Ktx_String changeExtension(const Ktx_String& path, const Ktx_String& extension);
// The last part of the path ("a\\b\\c.txt" -> "c.txt"), and the part before it with its
// final separator ("a\\b\\").
Ktx_String getFileName(const Ktx_String& path);
Ktx_String getFolderName(const Ktx_String& path);
