#pragma once
// The Core library's table files (the section library's ".pr" files): a table is a list of
// rows of text cells. On disk: one line per row, cells separated by a tab byte, lines ended by
// CRLF (LF accepted when reading); bytes are kept as they are (code page 1252). An empty line
// is a row with one empty cell; a final line end adds no row.
//
// readFile gives the table's name (the file name without folder and extension) and its rows;
// false (outputs unchanged) when the file cannot be read. writeFile replaces the file
// atomically; false (old file kept) when it cannot be written or a cell holds a tab or a line
// break, which the layout cannot carry.
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

bool readFile(const Ktx_String& path, Ktx_String& name, Ktx_Array<Ktx_StringArray>& rows);
bool writeFile(const Ktx_String& path, const Ktx_Array<Ktx_StringArray>& rows);

// The same layout from and to text in memory (used by the file functions and by tests).
Ktx_Array<Ktx_StringArray> parseTableText(const std::string& text);
bool formatTableText(const Ktx_Array<Ktx_StringArray>& rows, std::string& text);
