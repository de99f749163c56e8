#pragma once
// The Core library's sorts. All are stable: equal values keep their order.
//
// The paired sort orders values and carries each value's index along: indices[k] is the
// position the k-th sorted value had before. When indices has the same length as values its
// entries are carried along as they are; otherwise it is first filled with 0..n-1.
#include "ktx_array.h"
#include "ktx_string_array.h"

void ObjectExportSort(Ktx_Array<double>& values, bool ascending = true);
void ObjectExportSort(Ktx_Array<double>& values, Ktx_Array<int>& indices, bool ascending = true);
// Texts in byte order, or with letter case folded when caseSensitive is false.
void ObjectExportSort(Ktx_StringArray& texts, bool caseSensitive, bool ascending = true);

// Compares two names the way a person reads section sizes: runs of digits (with one decimal
// point) compare as numbers, everything else byte by byte with letter case folded, so
// "HEA100" < "HEA1000" < "HEB100" and "48.3x3.2" < "60.3x4". Negative, zero or positive.
int ObjectExportCompareNames(const Ktx_String& a, const Ktx_String& b);
// Adds `name` to `names` before the first entry that compares greater than it (after its
// equals), so a sorted list stays sorted, and gives its position there, counted from 1.
int ObjectExportAddToSorted(Ktx_StringArray& names, const Ktx_String& name);
