#pragma once
// vnstd macro pick FOLDER: the select macro dialog on a folder of macro drawings.
#include <string>
#include <vector>

#include "cli_context.h"

int runMacroPick(const CliContext& context, const std::vector<std::string>& args);
extern const char* const kMacroPickUsage;
