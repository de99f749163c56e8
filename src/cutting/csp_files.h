#pragma once
// The cutting-stock table files and the folder of each entry.
//
// A table file has one line per row, its cells joined by the single byte 0xBF; no header,
// entry id or count. Shop tables are "*.shp", buy tables "*.buy", in the entry's folder
// libDir + "Cutting Stock\\" + entry name + "\\".
//
// Since 0xBF separates cells, a cell holding that byte would come back as two cells, moving
// every later cell of its row. Such a table is not written at all (cspWriteTableFile refuses
// it), so a saved file always reads back as the rows that were saved.
#include <ctime>

#include "csp_table.h"
#include "ktx_string.h"

constexpr char kCspCellSeparator = '\xBF';

// "shp" for the shop table, "buy" for the buy table ("" for the first table, which has no
// file).
Ktx_String cspExtension(VnCspTableKind kind);

Ktx_String cspEntryFolder(const Ktx_String& entryName);

// The proposed name of a new file: folder + "Stock" + (n + 1) + "." + extension, n being the
// largest number of the folder's files named "Stock" + digits + "." + extension (0 when there
// are none). For an extension that is not three bytes long n is -1 ("Stock0").
Ktx_String cspDefaultSaveName(const Ktx_String& folder, const Ktx_String& extension);

// The newest file of the folder matching "*." + extension by modification time (on equal
// times the first found in name order); false when there is none.
bool cspNewestFile(const Ktx_String& folder, const Ktx_String& extension, Ktx_String& file,
                   std::time_t& modified);

// The path with "." + extension appended unless it ends exactly in it.
Ktx_String cspWithExtension(const Ktx_String& path, const Ktx_String& extension);

// The position of the first cell holding the separator byte; false when there is none.
bool cspFindSeparatorInCells(const VnCspRows& rows, int& row, int& cell);

// Writes the rows as a table file, replacing the file whole (ObjectExportWriteFile). False,
// with nothing written, when a cell holds the separator byte or the write fails.
bool cspWriteTableFile(const Ktx_String& path, const VnCspRows& rows);
// Reads a table file: each line split at every separator byte. False when it cannot be read.
bool cspReadTableFile(const Ktx_String& path, VnCspRows& rows);
