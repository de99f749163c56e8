#pragma once
// `vnstd ui --shot`: runs a scenario on this thread, performs the steps of a file (one JSON
// event a line, controls named by "id"), then has headless Chromium load the page and write
// a PNG, and ends the scenario.
#include <string>
#include <vector>

#include "cli_context.h"
#include "ui_options.h"
#include "ui_session.h"

int runUiShot(const CliContext& context, UiSession& session, const std::string& address,
              const UiOptions& options);
// Reads a steps file: one page event a line (JSON), blank lines skipped. False with `error`
// naming the file and line of the first bad one.
bool readUiSteps(const std::string& file, std::vector<PageEvent>& steps, std::string& error);
// The command line for Chromium writing a screenshot of `url` to `png`.
std::string chromiumShotCommand(const std::string& url, const std::string& png,
                                const std::string& profileDir);
