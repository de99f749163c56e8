#pragma once
// The three variables a finished bill puts in front of its own: "Date" (when it was made),
// "Title" (from the bill's file name) and "BillFilename" (the file name itself).
#include <ctime>

#include "ktx_string.h"
#include "ktx_string_array.h"

// The file's name without folder and extension; when it holds the byte 0xBF (the inverted
// question mark), only the part behind the last one.
Ktx_String billTitle(const Ktx_String& fileName);
// A time as "08 December, 2026 (12:40)".
Ktx_String billDateText(const std::tm& time);
// Inserts "Date" (the Core library's current local time), "Title" and "BillFilename" before
// the existing pairs, in that order.
void putBillVariablesInFront(Ktx_StringArray& names, Ktx_StringArray& values,
                             const Ktx_String& fileName);
