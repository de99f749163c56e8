#pragma once
// How the built-in controls look: each paints itself into the recording drawing context at
// WM_PAINT (DefWindowProc calls winPaintBuiltInControl), with the window's font selected:
// face, border, text, check marks, items with the selection, and the focus. A control of a
// class the window system does not know paints nothing.
#include "win_driver_only.h"
#include "win_types.h"

// True when `h` is a built-in control and was painted.
bool winPaintBuiltInControl(HWND h);
