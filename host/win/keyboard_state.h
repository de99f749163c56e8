// The keyboard state as the scripted user holds keys: GetKeyState answers negative for a
// key held down (Shift, Ctrl, ...). Holding VK_SHIFT or VK_CONTROL also holds its left-hand
// key, so code asking either way gets the same answer.
#pragma once

#include "win_constants.h"

using SHORT = short;

SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);
