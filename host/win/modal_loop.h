// The modal loop: pumps the posted messages, then performs the actions of the event source
// for this resource id one by one, pumping after each, until `ended` says the dialog ended,
// the window is gone, or the source has nothing more. Steps left in a script when its dialog
// ended are reported as user-action failures.
#pragma once

#include <functional>

#include "win_constants.h"
#include "win_driver_only.h"

void winRunModalLoop(HWND dialog, UINT resourceId, const std::function<bool()>& ended);
