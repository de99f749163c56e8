#pragma once
// The two tables of the general variables dialog without any window: which columns of
// VnAutoStandardsData each table shows, under which header texts, and where its list of
// drawings and folders and its button column are; and how a choice of drawings and folders
// joins a row's list.
#include <vector>

#include "ktx_string.h"
#include "ktx_string_array.h"
#include "vn_auto_standards_data.h"

struct VnGenVarsTable {
    int gridId = 0;
    std::vector<int> headerKeys;  // dialString keys of the data columns, in order
    int listColumn() const { return static_cast<int>(headerKeys.size()); }
    int buttonColumn() const { return listColumn() + 1; }
    int columnCount() const { return buttonColumn(); }
};

// The first table (index 0) and the second (index 1).
const VnGenVarsTable& vnGenVarsTable(int table);
// The data columns of a table, in the order of its grid's columns.
std::vector<Ktx_StringArray*> vnGenVarsColumns(VnAutoStandardsData& data, int table);
// Rows a table shows: its first column's length, at least one.
int vnGenVarsShownRows(const VnAutoStandardsData& data, int table);

// The list `list` (";"-separated) with every chosen path below `folder` appended relative to
// it; paths outside the folder are left out. Letter case is ignored, as in Windows paths.
Ktx_String vnGenVarsAddChosen(const Ktx_String& list, const Ktx_StringArray& chosen,
                              const Ktx_String& folder);
