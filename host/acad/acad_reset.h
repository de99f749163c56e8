#pragma once
// Returns every object of the CAD host stand-in (and of the window system below it) to its
// state at process start: command line text, posted commands, system registry, transactions.
void acadResetForTests();
