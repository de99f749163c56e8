#pragma once
// VnAutoStandardsData: the general variables that standards share across macros, in two
// tables of parallel text columns. Element i of every column of a table belongs to row i + 1;
// a table has as many rows as its first column has elements. The drawing lists hold paths
// relative to the library's "Macros\\" folder, separated by ";".
#include "ktx_string_array.h"

class VnAutoStandardsData {
  public:
    VnAutoStandardsData() = default;
    ~VnAutoStandardsData() = default;
    VnAutoStandardsData(const VnAutoStandardsData&) = default;
    VnAutoStandardsData& operator=(const VnAutoStandardsData&) = default;
    bool operator==(const VnAutoStandardsData&) const = default;

    // The first table: general variables.
    Ktx_StringArray genNames;
    Ktx_StringArray genValues;
    Ktx_StringArray genDrawings;
    // The second table: general variables of modules.
    Ktx_StringArray modNames;
    Ktx_StringArray modValues;
    Ktx_StringArray modModules;
    Ktx_StringArray modDrawings;
};
