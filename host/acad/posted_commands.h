#pragma once
// Commands the module posts to the CAD host, the fresh prompts it asks for and display updates.
// Nothing is executed here; every call is recorded in order so that tests can assert on it.
#include <string>
#include <vector>

#include "acad_error_status.h"

// Queues a command string (e.g. "CANCELCMD"); eInvalidInput for a null command.
Acad::ErrorStatus acedPostCommand(const char* command);
// Asks for a fresh command prompt.
Acad::ErrorStatus acedPostCommandPrompt();
// Redraws the drawing view.
void acedUpdateDisplay();

// The commands posted so far, in order.
const std::vector<std::string>& acadPostedCommands();
int acadPostedPromptCount();
int acadDisplayUpdateCount();
// Every recorded call in order: the command text, "<prompt>" or "<update display>".
const std::vector<std::string>& acadHostCallLog();
void acadClearPostedCommands();
