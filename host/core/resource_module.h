#pragma once
// The current resource module: the module whose resources (dialog templates, bitmaps,
// strings) look-ups use. A process starts with the host application's resources current
// (nullptr stands for the host itself).
#include "win_types.h"

HINSTANCE coreCurrentResourceModule();
void coreSetCurrentResourceModule(HINSTANCE module);
