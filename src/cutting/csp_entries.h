#pragma once
// Adding and deleting the entries of a DlgCSP2Data.
#include "dlg_csp2_data.h"

// The id a new entry gets: the largest id + 1, or 1 when there is none (free lower ids are
// not reused).
int cspNextEntryId(const AcArray<int>& ids);
// Appends an entry with the next id and the name; returns its index.
int cspAddEntry(DlgCSP2Data& data, const Ktx_String& name);
// Removes the entry at index with its rows in all three tables. Returns the index to select
// afterwards: the same position, or the one before when the last was removed; -1 when none
// is left or the index is bad (nothing changed then).
int cspDeleteEntry(DlgCSP2Data& data, int index);
