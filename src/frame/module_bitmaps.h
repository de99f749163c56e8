#pragma once
// The module-wide bitmaps of the check-box cells of the macro dialog's variable grid, loaded
// from the module's resources 8134 and 8136 when the application is initialised.
constexpr int kCheckBoxBitmapOn = 8134;
constexpr int kCheckBoxBitmapOff = 8136;

// Loads both bitmaps; true when both were found.
bool loadModuleBitmaps();
bool moduleBitmapsLoaded();
void resetModuleBitmapsForTests();
