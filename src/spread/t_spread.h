#pragma once
// TSpread: the class object of a grid control window, a CWnd whose Create makes a window of
// the grid's class. TSpreadPreview does the same for the grid's print-preview window.
#include "win.h"

class TSpread : public CWnd {
  public:
    // A grid window with the given style, rectangle (parent client coordinates) and id.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
};

class TSpreadPreview : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
};
