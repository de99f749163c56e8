#pragma once
// The library's cutting-stock entries as the Core library would hand them to the dialog: one
// entry per folder of "Cutting Stock", in name order, with ids 1, 2, ...
#include "dlg_csp2_data.h"

DlgCSP2Data cuttingLibraryEntries();
// Fills the shop and buy tables of every entry from its newest files (entries without a file
// of a kind keep that table empty).
void cuttingLoadNewestTables(DlgCSP2Data& data);
