#pragma once
// Whole-file reading and writing for the Core library. Paths are the module's Windows paths
// (path_translation.h).
//
// Text files are read with CRLF, LF or lone CR line ends; a final line end adds no empty line,
// so "a\r\nb\r\n", "a\nb\n", "a\rb" and "a\nb" all read as {"a", "b"} and an empty file as
// no lines. A UTF-8 byte-order mark at the start is skipped (the text is ASCII-compatible).
// They are written with CRLF after every line.
//
// Every write replaces the file atomically (fileWriteAtomic of whole_file.h): a failed write
// returns false and leaves the old file as it was (and no temporary file behind). Reads are
// limited to kFileReadLimit bytes.
#include <string>
#include <string_view>

#include "ktx_string.h"
#include "ktx_string_array.h"

// Reads the lines of a text file into lines (its previous content replaced; its storage
// settings kept). False, with lines unchanged, when the file cannot be read.
bool ObjectExportReadFile(const Ktx_String& path, Ktx_StringArray& lines);
// Writes lines with CRLF after each; false when the file could not be replaced.
bool ObjectExportWriteFile(const Ktx_String& path, const Ktx_StringArray& lines);

// The whole file as bytes; false (with `error`, when given) when it cannot be read.
bool coreReadFileBytes(const Ktx_String& path, std::string& bytes, std::string* error = nullptr);
// Replaces the file with the bytes atomically; false on failure (old file kept), with `error`
// (when given) saying why.
bool coreWriteFileAtomic(const Ktx_String& path, std::string_view bytes,
                         std::string* error = nullptr);

// Test hook: the next atomic write fails after writing failAfterBytes bytes of the temporary
// file (as a full disk would); -1 clears it.
void coreInjectWriteFailure(long failAfterBytes);
