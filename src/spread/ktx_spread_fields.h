#pragma once
// The state behind a Ktx_Spread (private to the spread folder).
#include <memory>

#include "gdi.h"
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
    // Module bitmaps shown in cells, loaded once by id when first needed.
    UINT bitmap1Id = 0;
    UINT bitmap2Id = 0;
    std::unique_ptr<CBitmap> bitmap1;
    std::unique_ptr<CBitmap> bitmap2;
};
