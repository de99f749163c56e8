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
// vnstd comreg register|cleanup|print: the sibling COM module's registry entries.
int runComregCommand(const CliContext& context, const std::vector<std::string>& args);
// vnstd cutting list|show|report: the cutting-stock tables of the library.
int runCuttingCommand(const CliContext& context, const std::vector<std::string>& args);
