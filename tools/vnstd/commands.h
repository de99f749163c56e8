#pragma once
// The subcommands of the command-line program. Each takes the context and the arguments after
// its own name, and returns the process exit code (see cli_context.h).
#include <string>
#include <vector>

#include "cli_context.h"

// vnstd sheet ...: spreadsheet files (calc, convert, show, read).
int runSheetCommand(const CliContext& context, const std::vector<std::string>& args);
// vnstd macro ...: macro files.
int runMacroCommand(const CliContext& context, const std::vector<std::string>& args);
// vnstd mapping ...: mapping files.
int runMappingCommand(const CliContext& context, const std::vector<std::string>& args);
// vnstd eval ...: evaluates a standard; also what a bare "vnstd" runs (with no arguments).
int runEvalCommand(const CliContext& context, const std::vector<std::string>& args);
// vnstd ui ...: the module's dialogs in a web browser (ui/cmd_ui.cpp).
int runUiCommand(const CliContext& context, const std::vector<std::string>& args);
