#pragma once
// The product's COM classes as their sibling module implements them: 15 classes, 10 of them
// with an interface, and one type library, each with its fixed identifier. The identifiers
// are kept in com_class_list.cpp and nowhere else; they must equal those of the sibling's
// type library.
//
// The list is two parallel pairs of arrays, in the order the sibling declares them: class
// names with class identifiers, interface names with interface identifiers.
#include "ac_array.h"
#include "guid.h"
#include "ktx_string_array.h"

struct VnComClassList {
    CLSID typeLibId;
    Ktx_StringArray classNames;
    AcArray<CLSID> classIds;
    Ktx_StringArray interfaceNames;
    AcArray<IID> interfaceIds;
};

VnComClassList buildComClassList();

// The identifier's text form ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}") as StringFromCLSID
// gives it; empty when that fails.
Ktx_String comIdText(REFCLSID id);
