#pragma once
// The module frame: entry points, module-wide objects, timers and the reset for tests.
#include "acrx_entry.h"
#include "calc_timers.h"
#include "frame_reset.h"
#include "modeless_windows.h"
#include "module_bitmaps.h"
#include "module_entry.h"
