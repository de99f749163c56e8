// Message boxes. Nothing is shown: each box is answered at once, from the queue of answers
// (winQueueMessageBoxAnswer), else from the running script's next step when it is an answer,
// else with the safe default: IDCANCEL when the box has Cancel, else IDNO when it has No,
// else its first button (IDOK, or IDABORT for Abort/Retry/Ignore). Every box is recorded with
// its text, caption, icon, buttons and answer. An answer that is not one of the box's buttons
// is reported as a user-action failure and the default is taken instead.
#pragma once

#include <string>
#include <vector>

#include "win_constants.h"

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// The caption is the application's name (winSetApplicationName).
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
