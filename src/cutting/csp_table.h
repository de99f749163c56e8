#pragma once
// The three tables of a DlgCSP2Data and the rows of one entry in them.
//
// A table keeps the rows of one entry together: storing an entry's rows removes all its old
// rows (the order of the others kept) and appends the new ones at the end with the entry's
// id. Reading an entry's rows takes the first row with its id and the rows after it up to the
// first row with another id.
#include "dlg_csp2_data.h"

enum class VnCspTableKind { First, Shop, Buy };

using VnCspRows = Ktx_Array<Ktx_StringArray>;

// One table of a DlgCSP2Data, by reference.
struct VnCspTable {
    Ktx_StringArray& header;
    AcArray<int>& ids;
    VnCspRows& rows;
};

VnCspTable cspTable(DlgCSP2Data& data, VnCspTableKind kind);

// The rows of the entry (none when it has none). Only rows that have an id count, so a
// table whose arrays differ in length is read without going past either.
VnCspRows cspRowsOf(const AcArray<int>& ids, const VnCspRows& rows, int entryId);
// Removes every row of the entry.
void cspRemoveRowsOf(VnCspTable table, int entryId);
// Replaces the entry's rows: old ones removed, `rows` appended with the entry's id.
void cspStoreRows(VnCspTable table, int entryId, const VnCspRows& rows);
