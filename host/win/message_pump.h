// The message queue and its pump. PostMessage queues; the pump takes queued messages in
// order and gives each to the pre-translation chain (the class objects' PreTranslateMessage
// from the target up to its top-level window) and then, when none took it, to the target's
// window procedure. Modal loops and the virtual clock pump after every step.
#pragma once

#include "win_constants.h"
#include "win_driver_only.h"

void winPostToQueue(const MSG& msg);
// Pre-translates and dispatches one message now (as the pump does).
void winProcessMessage(MSG& msg);
// Processes a message of the user's input now, stamped as input is: with the tick count and
// the cursor position.
void winDeliverInput(HWND target, UINT msg, WPARAM wParam, LPARAM lParam);
// Processes queued messages until the queue is empty; returns how many were processed.
// A runaway (a handler that keeps re-posting) is cut off after 10000 messages.
int winPumpMessages();
int winQueuedMessageCount();
void winPumpForgetWindow(HWND h);
void winPumpReset();

// Implemented by the class layer (cwnd.cpp): true when a PreTranslateMessage consumed it.
bool winPreTranslate(MSG& msg);
