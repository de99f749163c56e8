// The modal loop: pumps the posted messages, then performs the actions of the event source
// for this resource id one by one, pumping after each, until `ended` says the dialog ended,
// the window is gone, or the source has nothing more. Steps left in a script when its dialog
// ended are reported as user-action failures.
#pragma once

#include <functional>

#include "win_constants.h"
#include "win_driver_only.h"

void winRunModalLoop(HWND dialog, UINT resourceId, const std::function<bool()>& ended);

// The message loop of modeless windows: pumps the posted messages, then performs the live
// source's actions (winSetLiveEventSource) one by one, each on the top-level window it names
// (UserAction::target; an action for no live window is skipped), pumping after each, until
// `done` says so or the source has nothing more. Returns at once without a live source.
void winRunMessageLoop(const std::function<bool()>& done);
