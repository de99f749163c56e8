#pragma once
// The state behind a Ktx_Spread (private to the spread folder).
#include "ktx_array.h"
#include "ktx_string.h"
#include "win_types.h"

struct Ktx_Spread::Fields {
    HWND parentWindow = nullptr;  // the dialog that holds the grid
    int controlId = 0;            // the control id the grid took over
    Ktx_String fontName = "Tahoma";
    int fontHeight = 15;
    int fitMode = 0;
    int fitColumn = 0;  // fit modes 3 and 4
    int fitWidth = 0;   // fit mode 4
    Ktx_Array<int> fixedColumns;
    Ktx_Array<int> fixedWidths;
    Ktx_Array<int> contextMenuKinds;
};
