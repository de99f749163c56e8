#pragma once
// DlgCSP2Data: what the Core library hands the cutting-stock dialog. Entries (an id and a
// name each, in list order) and three tables, each a header and rows with the id of the entry
// that owns each row (ids[k] owns rows[k]). The rows of all entries sit in one pair of
// parallel arrays per table; the dialog keeps the rows of one entry together.
//
// The members below are the ones the dialog relies on, in the Core library's order.
#include "ac_array.h"
#include "ktx_array.h"
#include "ktx_string_array.h"

class DlgCSP2Data {
  public:
    DlgCSP2Data() = default;
    DlgCSP2Data(const DlgCSP2Data&) = default;
    DlgCSP2Data& operator=(const DlgCSP2Data&) = default;
    virtual ~DlgCSP2Data() = default;

    // Set by the caller: the dialog only saves shop tables.
    bool shopOnly = false;
    AcArray<int> entryIds;
    Ktx_StringArray entryNames;  // parallel to entryIds; also the entry's folder name

    Ktx_StringArray firstHeader;
    AcArray<int> firstIds;
    Ktx_Array<Ktx_StringArray> firstRows;

    Ktx_StringArray shopHeader;
    AcArray<int> shopIds;
    Ktx_Array<Ktx_StringArray> shopRows;

    Ktx_StringArray buyHeader;
    AcArray<int> buyIds;
    Ktx_Array<Ktx_StringArray> buyRows;
};
