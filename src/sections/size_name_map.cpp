#include "size_name_map.h"

#include <cstdlib>

#include "string_helpers.h"

std::vector<int> mapNameToValues(const Ktx_String& sysName, const Ktx_StringArray& values) {
    const Ktx_StringArray parts = splitStringAtSymbol(sysName, "x", true);
    std::vector<bool> used(static_cast<size_t>(values.length()), false);
    std::vector<int> map;
    for (const Ktx_String& part : parts) {
        const bool numeric = isNumber(part);
        int found = -1;
        for (int k = 0; k < values.length() && found < 0; ++k) {
            if (used[static_cast<size_t>(k)]) continue;
            const bool equal = numeric
                                   ? values[k].toDouble() == part.toDouble() && isNumber(values[k])
                                   : values[k] == part;
            if (equal) found = k;
        }
        if (found >= 0) used[static_cast<size_t>(found)] = true;
        map.push_back(found);
    }
    return map;
}

bool isCompleteNameMap(const std::vector<int>& map) {
    if (map.empty()) return false;
    for (int column : map) {
        if (column < 0) return false;
    }
    return true;
}

bool isSquareSizeName(const Ktx_String& sysName) {
    const Ktx_StringArray parts = splitStringAtSymbol(sysName, "x", true);
    return parts.length() >= 2 && parts[0] == parts[1];
}
