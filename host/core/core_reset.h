#pragma once
// One way for tests to return every module-wide object to its start state.
// coreResetForTests() resets the Core library's own objects (settings, language, text table,
// clock, random source, current resource module, path translation, and every object that
// registered a reset hook), after resetting the layers below it (acadResetForTests).
// Objects of the Core library added by other files register a hook once, e.g. from the
// constructor of their module-wide object or a static registrar in the file that defines it.
#include <functional>

void coreResetForTests();

// Adds a function that coreResetForTests calls (in the order added, after the built-in ones).
void coreAddResetHook(std::function<void()> hook);
