#include "vn_gen_vars_tables.h"

#include <algorithm>

#include "string_helpers.h"

const VnGenVarsTable& vnGenVarsTable(int table) {
    static const VnGenVarsTable tables[2] = {{1434, {1543, 86, 347}},
                                             {1444, {1543, 86, 1765, 347}}};
    return tables[table == 0 ? 0 : 1];
}

std::vector<Ktx_StringArray*> vnGenVarsColumns(VnAutoStandardsData& data, int table) {
    if (table == 0) return {&data.genNames, &data.genValues, &data.genDrawings};
    return {&data.modNames, &data.modValues, &data.modModules, &data.modDrawings};
}

int vnGenVarsShownRows(const VnAutoStandardsData& data, int table) {
    const int rows = table == 0 ? data.genNames.length() : data.modNames.length();
    return std::max(rows, 1);
}

Ktx_String vnGenVarsAddChosen(const Ktx_String& list, const Ktx_StringArray& chosen,
                              const Ktx_String& folder) {
    Ktx_StringArray items = strToArr(list, ";");
    for (int i = 0; i < chosen.length(); ++i) {
        const Ktx_String& path = chosen[i];
        if (folder.isEmpty() || !path.startsWith(folder, false)) continue;
        items.append(path.getSubStringAt(folder.length()));
    }
    return arrToStr(items, ";");
}
