#pragma once
// Returns every module-wide object of the module frame (entry state, resource override,
// bitmaps, modeless-window registries, timers) to its start state, after resetting the Core
// library and the layers below it (coreResetForTests).
void frameResetForTests();
