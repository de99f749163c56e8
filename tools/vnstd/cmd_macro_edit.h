#pragma once
// vnstd macro edit FILE [--write] [--steps FILE] [--port N] [--no-token]: the macro dialog on a
// macro file, in a browser (a `vnstd ui` session serving this one dialog) or, with --steps,
// under the steps of a file; with --write the changed macro is written back on close.
#include <string>
#include <vector>

#include "cli_context.h"

extern const char* const kMacroEditUsage;
// args: "edit" and what follows it.
int runMacroEdit(const CliContext& context, const std::vector<std::string>& args);
