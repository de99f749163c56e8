#include "frame_reset.h"

#include "calc_timers.h"
#include "core_reset.h"
#include "modeless_windows.h"
#include "module_bitmaps.h"
#include "module_entry.h"

void frameResetForTests() {
    coreResetForTests();
    resetModelessWindowsForTests();
    resetModuleBitmapsForTests();
    resetModuleEntryForTests();
    resetCalcTimers();
}
