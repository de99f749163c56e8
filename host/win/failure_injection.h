// Makes chosen window-system operations fail for tests, so that the module's messages for
// those failures can be exercised. Each armed failure fires on the next `count` attempts of
// its operation and then disarms itself; winResetForTests() disarms all.
#pragma once

#include "win_driver_only.h"

enum class WinFailure {
    GlobalAlloc,    // GlobalAlloc and GlobalReAlloc return nullptr
    GlobalLock,     // GlobalLock returns nullptr
    CreateWindow,   // window and dialog creation fail (modal DoModal returns -1)
    DestroyWindow,  // DestroyWindow returns FALSE and the window stays
};

// The next `count` attempts of `what` fail.
void winFailNext(WinFailure what, int count = 1);
// Consumes one armed failure of `what`; true when this attempt must fail.
bool winShouldFail(WinFailure what);
void winClearFailures();
