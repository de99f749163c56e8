#include "frame_reset.h"

#include "calc_timers.h"
#include "core_reset.h"
#include "modeless_windows.h"
#include "module_bitmaps.h"
#include "module_entry.h"

void frameResetForTests() {
    // The module's own window registries first: destroying a modeless window may delete its
    // object, which the window system's reset must not do behind the registry's back.
    resetModelessWindowsForTests();
    coreResetForTests();
    resetModuleBitmapsForTests();
    resetModuleEntryForTests();
    resetCalcTimers();
}
