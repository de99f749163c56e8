#pragma once
// Exported entry points of the spreadsheet part that the Core library calls.
#include "spread_forward.h"

// Opens the "Formulas" dialog modally on the fixed test file "c:\\a\\t3.sss" and evaluates
// its cell 1,1; a developer's entry with no result.
void EvaluateSS();

// Reads a spreadsheet file through the hidden "Formulas" dialog: `out` gets the data text of
// cell 1,1, `headers` the column headers of all columns, `rows` one array of data texts per
// row (columns 1 .. last). A file that cannot be loaded leaves all three empty.
void ReadSSFile(const Ktx_String& file, Ktx_String& out, Ktx_StringArray& headers,
                Ktx_Array<Ktx_StringArray>& rows);

// ReadSSFile with a result: true when the file was loaded and read.
bool readSpreadsheetFile(const Ktx_String& file, Ktx_String& out, Ktx_StringArray& headers,
                         Ktx_Array<Ktx_StringArray>& rows);
