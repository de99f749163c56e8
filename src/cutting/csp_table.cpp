#include "csp_table.h"

#include <algorithm>

namespace {

int pairedLength(const AcArray<int>& ids, const VnCspRows& rows) {
    return std::min(ids.length(), rows.length());
}

}  // namespace

VnCspTable cspTable(DlgCSP2Data& data, VnCspTableKind kind) {
    switch (kind) {
        case VnCspTableKind::First:
            return {data.firstHeader, data.firstIds, data.firstRows};
        case VnCspTableKind::Shop:
            return {data.shopHeader, data.shopIds, data.shopRows};
        case VnCspTableKind::Buy:
            break;
    }
    return {data.buyHeader, data.buyIds, data.buyRows};
}

VnCspRows cspRowsOf(const AcArray<int>& ids, const VnCspRows& rows, int entryId) {
    VnCspRows out;
    const int n = pairedLength(ids, rows);
    int i = 0;
    while (i < n && ids[i] != entryId) ++i;
    for (; i < n && ids[i] == entryId; ++i) out.append(rows[i]);
    return out;
}

void cspRemoveRowsOf(VnCspTable table, int entryId) {
    for (int i = pairedLength(table.ids, table.rows) - 1; i >= 0; --i) {
        if (table.ids[i] != entryId) continue;
        table.ids.removeAt(i);
        table.rows.removeAt(i);
    }
}

void cspStoreRows(VnCspTable table, int entryId, const VnCspRows& rows) {
    cspRemoveRowsOf(table, entryId);
    for (const Ktx_StringArray& row : rows) {
        table.ids.append(entryId);
        table.rows.append(row);
    }
}
