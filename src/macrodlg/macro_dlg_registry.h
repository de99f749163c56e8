#pragma once
// The modeless macro dialogs, addressed by number (their slot in the frame's registry).
//
// StartDlgMacroModeless opens a dialog on a copy of the data in the highest empty slot (else
// a new one at the end); GetDlgMacroData copies a dialog's data out; EndDlgMacroModeless ends
// one: a dialog whose data is busy is ended later, by a 50 ms window-less timer that prints
// "Delayed timer called.\n" and tries again until the busy flag is gone. Ending the last slot
// drops the empty slots at the end of the registry.
//
// At unloading (DestroyAllMacroDlgs, the frame's ender) every dialog is ended at once, busy
// or not, and every pending deferred-end timer is stopped: no timer may fire into a module
// that is gone.
#include "macro_data.h"

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& dialogNumber);
bool GetDlgMacroData(int dialogNumber, MacroData& data);
bool EndDlgMacroModeless(int dialogNumber);
// Ends the dialog through the deferred-end timer (a dialog closing itself).
void endDlgMacroModelessLater(int dialogNumber);
// Number of pending deferred endings (tests).
int pendingMacroDlgEndings();
