#pragma once
// What every subcommand of the command-line program is given: where the product library is,
// where its output goes, and the global options. stdout (out) carries only the command's own
// output (tables, CSV, JSON); messages go to err, as does the host's command line.
//
// Exit codes of a command: 0 success, 1 the command failed, 2 a usage error (use
// cliUsageError for those, so every usage message looks alike).
#include <cstdio>
#include <string>
#include <vector>

struct CliContext {
    // Host path of the product library folder (also set as gSettings.libDir).
    std::string libDir;
    // Host path of the registry file: --registry FILE, else "registry.reg" in the user's
    // settings folder ($VNSTD_SETTINGS, else $XDG_CONFIG_HOME/vnstd, else ~/.config/vnstd).
    // Loaded before the command when it exists; written after it only when the registry
    // changed.
    std::string registryFile;
    // The command's own output, and messages.
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    // True when err is a terminal (progress lines are only worth printing then).
    bool errIsTerminal = false;
    // Host path of the running program.
    std::string exePath;
    // True when the program was started with no command at all (the main job).
    bool bareRun = false;
    // True when the library folder was given with --lib (not found from the environment).
    bool libGiven = false;
};

// Prints "vnstd: <message>" and a hint to --help on err; returns 2.
int cliUsageError(const CliContext& context, const std::string& message);
// Prints "vnstd: <message>" on err; returns 1.
int cliFailure(const CliContext& context, const std::string& message);
// Prints "vnstd: '<command>' is not available yet" on err; returns 1.
int cliNotAvailable(const CliContext& context, const std::string& command);
