#pragma once
// The subcommands of the command-line program. Each takes the context and the arguments after
// its own name, and returns the process exit code (see cli_context.h). Each also has a usage
// text, chosen by its arguments (a subcommand's own usage for "sheet calc --help"), which
// "--help" or "-h" anywhere in its arguments prints on stdout with exit 0, without the library
// or the module.
#include <string>
#include <vector>

#include "cli_context.h"

// vnstd sheet ...: spreadsheet files (calc, convert, show, read).
int runSheetCommand(const CliContext& context, const std::vector<std::string>& args);
std::string sheetUsage(const std::vector<std::string>& args);
// vnstd macro ...: macro files.
int runMacroCommand(const CliContext& context, const std::vector<std::string>& args);
std::string macroUsage(const std::vector<std::string>& args);
// vnstd mapping ...: mapping files.
int runMappingCommand(const CliContext& context, const std::vector<std::string>& args);
std::string mappingUsage(const std::vector<std::string>& args);
// vnstd eval ...: evaluates a standard; also what a bare "vnstd" runs (with no arguments).
int runEvalCommand(const CliContext& context, const std::vector<std::string>& args);
std::string evalUsage(const std::vector<std::string>& args);
// vnstd comreg register|cleanup|print: the sibling COM module's registry entries.
int runComregCommand(const CliContext& context, const std::vector<std::string>& args);
std::string comregUsage(const std::vector<std::string>& args);
// vnstd cutting list|show|report: the cutting-stock tables of the library.
int runCuttingCommand(const CliContext& context, const std::vector<std::string>& args);
std::string cuttingUsage(const std::vector<std::string>& args);
// vnstd template list|show|check: the dialog templates of the library.
int runTemplateCommand(const CliContext& context, const std::vector<std::string>& args);
std::string templateUsage(const std::vector<std::string>& args);
// vnstd bill ...: a bill of material through the module's bill output (cmd_bill.cpp).
int runBillCommand(const CliContext& context, const std::vector<std::string>& args);
std::string billUsage(const std::vector<std::string>& args);
// vnstd explain STANDARD MACRO ...: the tree of what made each Output (cmd_explain.cpp).
int runExplainCommand(const CliContext& context, const std::vector<std::string>& args);
std::string explainUsage(const std::vector<std::string>& args);
// vnstd lint [STANDARD...]: checks standards as the engine reads them (cmd_lint.cpp).
int runLintCommand(const CliContext& context, const std::vector<std::string>& args);
std::string lintUsage(const std::vector<std::string>& args);
// vnstd test [DIR]: runs a folder of regression cases of standards (cmd_cases.cpp).
int runTestCommand(const CliContext& context, const std::vector<std::string>& args);
std::string testUsage(const std::vector<std::string>& args);
// vnstd sections list|show|add|check: the section tables of the library (cmd_sections.cpp).
int runSectionsCommand(const CliContext& context, const std::vector<std::string>& args);
std::string sectionsUsage(const std::vector<std::string>& args);
// vnstd ui ...: the module's dialogs in a web browser (ui/cmd_ui.cpp).
int runUiCommand(const CliContext& context, const std::vector<std::string>& args);
std::string uiUsage(const std::vector<std::string>& args);

// One entry of the command table: its name, a one-line summary for the program's help, what
// runs it, and its usage text.
struct CliCommand {
    const char* name;
    const char* summary;
    int (*run)(const CliContext&, const std::vector<std::string>&);
    std::string (*usage)(const std::vector<std::string>&);
};

// Every command, in the order the help lists them. A new command is one more entry here.
const std::vector<CliCommand>& cliCommands();
// True when the arguments ask for help ("--help" or "-h" before any "--").
bool cliAsksForHelp(const std::vector<std::string>& args);
