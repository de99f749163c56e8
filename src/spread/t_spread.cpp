#include "t_spread.h"

#include "grid.h"

BOOL TSpread::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    SSRegisterWindowClasses();
    return CWnd::Create("fpSpread70", "", style, rect, parent, id);
}

BOOL TSpreadPreview::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    SSRegisterWindowClasses();
    return CWnd::Create("fpSpreadPreview70", "", style, rect, parent, id);
}
