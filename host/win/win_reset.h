// Resets every module-wide piece of the window system, for tests: destroys all windows
// (their class objects get the usual messages), and clears message boxes, menus, file
// choosers, scripts, the live event source, timers and the clock's timers, the message
// queue, the keyboard, failure injection, user-action failures and memory-block tracking.
// Dialog templates and registered window classes stay (they are the program's resources).
// Reset the module's own registries of windows first, since destroying a modeless dialog
// may delete its object.
#pragma once

#include "win_driver_only.h"

void winResetForTests();
