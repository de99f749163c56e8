#pragma once
// How a size's system name is made of its values: "100x50x5" is split at "x" and each part is
// matched to a value column. A numeric part maps to the first value column, not used by an
// earlier part, whose number equals it exactly; another part to the first unused column whose
// text equals it. A part without a match maps to -1.
#include <vector>

#include "ktx_string.h"
#include "ktx_string_array.h"

// The value column (0-based among the values) of each part of sysName; -1 for a part without
// a match.
std::vector<int> mapNameToValues(const Ktx_String& sysName, const Ktx_StringArray& values);
// True when every part has a column.
bool isCompleteNameMap(const std::vector<int>& map);

// True when the first two "x" parts are equal (a square section such as "50x50x5").
bool isSquareSizeName(const Ktx_String& sysName);
