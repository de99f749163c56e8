#include "csp_entries.h"

#include <algorithm>

#include "csp_table.h"

int cspNextEntryId(const AcArray<int>& ids) {
    if (ids.isEmpty()) return 1;
    return *std::max_element(ids.begin(), ids.end()) + 1;
}

int cspAddEntry(DlgCSP2Data& data, const Ktx_String& name) {
    data.entryIds.append(cspNextEntryId(data.entryIds));
    data.entryNames.append(name);
    return data.entryIds.length() - 1;
}

int cspDeleteEntry(DlgCSP2Data& data, int index) {
    if (index < 0 || index >= data.entryIds.length()) return -1;
    const int id = data.entryIds[index];
    for (VnCspTableKind kind : {VnCspTableKind::First, VnCspTableKind::Shop, VnCspTableKind::Buy})
        cspRemoveRowsOf(cspTable(data, kind), id);
    data.entryIds.removeAt(index);
    if (index < data.entryNames.length()) data.entryNames.removeAt(index);
    if (data.entryIds.isEmpty()) return -1;
    return std::min(index, data.entryIds.length() - 1);
}
