// Timers on a virtual clock. SetTimer registers; nothing fires until a test (or the modal
// loop, for a script's wait step) advances the clock, which fires every due timer in time
// order on the calling thread, as the platform's message loop would. A timer procedure may
// start and stop timers, its own included.
#pragma once

#include "win_constants.h"

// With a window: (window, id) names the timer; setting it again restarts it; the result is
// `id`. It fires as WM_TIMER to the window, or calls `proc` when one is given. Without a
// window: a new timer with an id of its own (the result) that calls `proc(nullptr, WM_TIMER,
// id, time)`. 0 when the window is stale, or when there is neither window nor procedure.
UINT_PTR SetTimer(HWND h, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
// FALSE when no such timer runs.
BOOL KillTimer(HWND h, UINT_PTR id);
// Milliseconds on the virtual clock.
DWORD GetTickCount();
