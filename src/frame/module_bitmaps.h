#pragma once
// The module-wide bitmaps of the check-box cells of the macro dialog's variable grid, loaded
// from the module's resources 8134 and 8136 when the application is initialised (kInitAppMsg)
// and kept until the module's state is reset.
#include "gdi.h"

constexpr UINT kCheckBoxBitmapOn = 8134;
constexpr UINT kCheckBoxBitmapOff = 8136;

// Loads both bitmaps (again, replacing what was loaded); true when both were found. A missing
// resource leaves its bitmap empty.
bool loadModuleBitmaps();
// True when both bitmaps hold a picture.
bool moduleBitmapsLoaded();
// The bitmap of resource kCheckBoxBitmapOn or kCheckBoxBitmapOff (empty before loading);
// nullptr for any other id.
CBitmap* moduleBitmap(UINT id);
void resetModuleBitmapsForTests();
