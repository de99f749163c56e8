// Mouse cursors: the system's standard cursors by id, the current cursor (SetCursor).
// A standard cursor's handle is stable, so tests can compare it with LoadCursor(nullptr, id)
// or read its id back with gdiCursorId.
#pragma once

#include <cstdint>

#include "win_types.h"

#define VN_CURSOR_ID(n) (reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(n)))
#define IDC_ARROW VN_CURSOR_ID(32512)
#define IDC_IBEAM VN_CURSOR_ID(32513)
#define IDC_WAIT VN_CURSOR_ID(32514)
#define IDC_CROSS VN_CURSOR_ID(32515)
#define IDC_SIZENWSE VN_CURSOR_ID(32642)
#define IDC_SIZENESW VN_CURSOR_ID(32643)
#define IDC_SIZEWE VN_CURSOR_ID(32644)
#define IDC_SIZENS VN_CURSOR_ID(32645)
#define IDC_SIZEALL VN_CURSOR_ID(32646)
#define IDC_NO VN_CURSOR_ID(32648)
#define IDC_HAND VN_CURSOR_ID(32649)

// A standard cursor (instance null); nullptr for an unknown id or a named resource.
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR id);
// Makes `cursor` current and returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The standard id of a cursor handle (32512 for the arrow), 0 for nullptr.
unsigned gdiCursorId(HCURSOR cursor);
