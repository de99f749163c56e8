#pragma once
// `vnstd ui --shot`: runs a scenario on this thread, performs the steps of a file (one JSON
// event a line, controls named by "id"), then has headless Chromium load the page and write
// a PNG, and ends the scenario.
#include <string>
#include <vector>

#include "cli_context.h"
#include "ui_options.h"
#include "ui_session.h"

// The events of a steps file (one JSON event a line, blank lines skipped); false with a
// message naming the file and line.
bool readUiSteps(const std::string& file, std::vector<PageEvent>& steps, std::string& error);
// From another thread than the module's: waits until the session's scenario shows a window,
// gives it the steps one by one (each once the one before was taken) and waits 200 ms more.
void performUiSteps(UiSession& session, std::vector<PageEvent> steps);

int runUiShot(const CliContext& context, UiSession& session, const std::string& address,
              const UiOptions& options);
// The command line for Chromium writing a screenshot of `url` to `png`.
std::string chromiumShotCommand(const std::string& url, const std::string& png,
                                const std::string& profileDir);
