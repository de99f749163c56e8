#pragma once
// The mapping file of a standards spreadsheet: beside the standard, with the extension "map".
//
// Layout (bytes, code page 1252; CRLF line ends, LF accepted when reading):
//   line 1   "Mapping version 1.0"
//   then     one line per key: KEY "=" PAIR (0xBF PAIR)*
//   PAIR     SSVAR 0x83 OBJECT 0x95 KEYWORD " " VARNAME
// Example: Bracket=Width[83]Plate1[95]Distance W[BF]Hole[83]Bolts1[95]BoltsDiameter D
#include "ktx_string.h"
#include "ktx_string_array.h"

constexpr char kMappingPairSeparator = '\xBF';
constexpr char kMappingVarSeparator = '\x83';
extern const char* const kMappingHeader;  // "Mapping version 1.0"

// The mapping file's path: the standard's path (the library's "Connection Standards\\" folder
// + ssName + ".vns") with the extension "map". An ssName that already is a path (it holds a
// backslash or a slash) is taken as the standard's path itself.
Ktx_String mappingFilePath(const Ktx_String& ssName);
// True when a first line is taken for the header: it holds both "Mapping" and "version"
// (letter case folded).
bool isMappingHeaderLine(const Ktx_String& line);
// The mapping lines of a file, the header line dropped when the first line holds both
// "Mapping" and "version" (letter case folded). False when the file cannot be read.
bool readMappingLines(const Ktx_String& path, Ktx_StringArray& lines);
// Writes the header and the lines, replacing the file atomically. False when that fails.
bool writeMappingLines(const Ktx_String& path, const Ktx_StringArray& lines);
// The key of a mapping line: the text before its first "=", empty when it has none.
Ktx_String mappingLineKey(const Ktx_String& line);
// The keys of a list of lines, in order.
Ktx_StringArray mappingLineKeys(const Ktx_StringArray& lines);
