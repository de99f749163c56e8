// What a person can do to an open dialog, performed now. Controls are addressed by id in the
// dialog or in its child pages (a visible one first). Each returns false, and reports a
// user-action failure (user_failures.h), when a person could not have done it: the control is
// missing, hidden or disabled, the item is not in the list, the field is read-only. Posted
// messages are pumped before each returns, so these serve modeless dialogs as well as the
// modal loop.
#pragma once

#include <string>

#include "event_source.h"
#include "win_driver_only.h"

bool winPerformAction(HWND dialog, const UserAction& action);

bool userClick(HWND dialog, int control);
// Double-clicks an item (list box, list view) or, with no item, the control.
bool userDoubleClick(HWND dialog, int control, const std::string& item = {});
// Focuses the field, selects its text and types `text` over it, character by character.
bool userType(HWND dialog, int control, const std::string& text);
// Moves the focus from the control to the next tab stop (focusing the control first).
bool userLeave(HWND dialog, int control);
// Picks the item whose text is exactly `item` (letter case included).
bool userChoose(HWND dialog, int control, const std::string& item);
bool userChooseIndex(HWND dialog, int control, int index);
bool userSelectTab(HWND dialog, int control, int index);
// Presses and releases a key on the focused control with Shift/Ctrl (MK_SHIFT, MK_CONTROL)
// held; GetKeyState answers accordingly meanwhile.
bool userKey(HWND dialog, int virtualKey, UINT modifiers = 0);
// A mouse message at `point` in the client area of `control` (0: the dialog); it goes to
// the window under the point (or the one holding the capture), after WM_SETCURSOR.
bool userMouse(HWND dialog, int control, UINT message, POINT point, UINT modifiers = 0);
// Left button down at `from`; WM_MOUSEMOVE and WM_LBUTTONUP at `to` are posted first, so a
// tracking loop in the button-down handler can read them with PeekMessage.
bool userDrag(HWND dialog, int control, POINT from, POINT to, UINT modifiers = 0);
bool userRightClick(HWND dialog, int control, POINT point, UINT modifiers = 0);
bool userClose(HWND dialog);
// Drags the frame to a new window size; WM_GETMINMAXINFO's tracking sizes limit it. The
// dialog then gets WM_SIZE.
bool userResize(HWND dialog, int width, int height);

// The control with `id` in the dialog or its pages; nullptr when none.
HWND winFindControl(HWND dialog, int id);
