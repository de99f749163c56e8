#include "cli.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli_context.h"
#include "cmd_eval_options.h"
#include "commands.h"
#include "core.h"
#include "ktx_settings.h"
#include "library_locator.h"
#include "module_session.h"
#include "path_translation.h"
#include "registry_session.h"

namespace vnstd {
namespace {

using CommandFn = int (*)(const CliContext&, const std::vector<std::string>&);

const std::map<std::string, CommandFn>& commandTable() {
    static const std::map<std::string, CommandFn> table = {
        {"eval", runEvalCommand},   {"macro", runMacroCommand}, {"mapping", runMappingCommand},
        {"sheet", runSheetCommand}, {"ui", runUiCommand},
    };
    return table;
}

const char* const kHelp =
    "usage: vnstd [--lib DIR] [--registry FILE] [COMMAND [ARGS...]]\n"
    "       vnstd --help | --version\n"
    "\n"
    "The standards module of a structural-steel modeller, run from a shell.\n"
    "With no command, evaluates the shipped example standard (the main job).\n"
    "\n"
    "Commands:\n"
    "  eval      evaluate a standard for a macro ('vnstd eval --help' for more)\n"
    "  macro     show a macro file\n"
    "  mapping   show a mapping file\n"
    "  sheet     calculate, convert, show or read spreadsheet files\n"
    "  ui        the module's dialogs in a web browser ('vnstd ui --help')\n"
    "\n"
    "Options:\n"
    "  --lib DIR        the product library folder (default: $VNSTD_LIB, else the\n"
    "                   shipped examples/library)\n"
    "  --registry FILE  the registry file, read before and written after the command\n"
    "                   when it changed (default: registry.reg in $VNSTD_SETTINGS,\n"
    "                   else in ~/.config/vnstd)\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "Output of a command goes to stdout; messages and the host's command line to stderr.\n"
    "Exit codes: 0 success, 1 the command failed, 2 a usage error.\n";

struct ParsedArgs {
    std::optional<std::string> early;  // "help" or "version"
    std::string lib;
    std::string registry;
    std::string command;
    std::vector<std::string> commandArgs;
};

// Takes the value of an option given as "--opt VALUE" or "--opt=VALUE".
bool takeValue(const std::vector<std::string>& a, size_t& i, const std::string& name,
               std::string& value, std::string& error) {
    if (a[i].rfind(name + "=", 0) == 0) {
        value = a[i].substr(name.size() + 1);
    } else if (i + 1 < a.size()) {
        value = a[++i];
    } else {
        error = "option " + name + " needs a value";
        return false;
    }
    if (value.empty()) error = "option " + name + " needs a value";
    return !value.empty();
}

bool isOption(const std::string& arg, const char* name) {
    return arg == name || arg.rfind(std::string(name) + "=", 0) == 0;
}

bool parseArgs(const std::vector<std::string>& a, ParsedArgs& parsed, std::string& error) {
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& arg = a[i];
        if (arg == "--help" || arg == "-h") {
            parsed.early = "help";
        } else if (arg == "--version") {
            parsed.early = "version";
        } else if (isOption(arg, "--lib")) {
            if (!takeValue(a, i, "--lib", parsed.lib, error)) return false;
        } else if (isOption(arg, "--registry")) {
            if (!takeValue(a, i, "--registry", parsed.registry, error)) return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return false;
        } else {
            parsed.command = arg;
            parsed.commandArgs.assign(a.begin() + static_cast<long>(i) + 1, a.end());
            return true;
        }
    }
    return true;
}

// A command's help needs neither the library nor the module.
bool asksForHelp(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--help") != args.end() ||
           std::find(args.begin(), args.end(), "-h") != args.end();
}

std::string defaultSettingsFolder() {
    if (const char* env = std::getenv("VNSTD_SETTINGS"); env && *env) return env;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/vnstd";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/vnstd";
    return ".";
}

// Sets up the Core library's settings for the library folder; false when it does not exist.
bool applyLibrary(CliContext& context, const std::string& lib) {
    std::error_code ec;
    if (lib.empty() || !std::filesystem::is_directory(lib, ec)) return false;
    context.libDir = std::filesystem::absolute(lib, ec).lexically_normal().string();
    gSettings.setLibDir(windowsPathFromHost(context.libDir));
    gSettings.setAppDir(windowsPathFromHost(context.libDir));
    gSettings.setSettingsDir(windowsPathFromHost(defaultSettingsFolder()));
    return true;
}

// Runs the command with the module loaded, inside the registry session (so that what the
// module writes while unloading is saved too).
int runLoaded(CliContext& context, CommandFn command, const std::vector<std::string>& args) {
    RegistrySession registry(context.registryFile);
    if (!registry.ok()) {
        return cliFailure(context, "cannot read the registry file '" + context.registryFile +
                                       "': " + registry.error());
    }
    int result = 0;
    {
        ModuleSession session(context.err);
        if (!session.loaded()) return cliFailure(context, "the module failed to load");
        result = command(context, args);
    }
    if (!registry.saveIfChanged()) {
        cliFailure(context, "cannot write the registry file '" + context.registryFile + "'");
        if (result == 0) result = 1;
    }
    return result;
}

int runCommand(CliContext& context, const ParsedArgs& parsed) {
    CommandFn command = runEvalCommand;
    if (!parsed.command.empty()) {
        auto it = commandTable().find(parsed.command);
        if (it == commandTable().end()) {
            return cliUsageError(context, "unknown command '" + parsed.command + "'");
        }
        command = it->second;
    }
    context.bareRun = parsed.command.empty();
    return runLoaded(context, command, parsed.commandArgs);
}

}  // namespace

int runCli(int argc, char** argv) {
    CliContext context;
    context.exePath = currentExePath();
    context.errIsTerminal = isatty(fileno(context.err)) != 0;
    ParsedArgs parsed;
    std::string error;
    if (!parseArgs(std::vector<std::string>(argv + 1, argv + argc), parsed, error)) {
        return cliUsageError(context, error);
    }
    if (parsed.early == "help") return std::fputs(kHelp, context.out) < 0 ? 1 : 0;
    if (parsed.early == "version") return std::printf("vnstd %s\n", VN_VERSION) < 0 ? 1 : 0;
    if (parsed.command == "eval" && asksForHelp(parsed.commandArgs))
        return std::fputs(kEvalUsage, context.out) < 0 ? 1 : 0;
    const std::string lib = locateLibrary(parsed.lib, context.exePath);
    if (!applyLibrary(context, lib)) {
        if (!parsed.lib.empty()) return cliUsageError(context, "no library folder '" + lib + "'");
        return cliFailure(context, "the product library folder was not found; use --lib DIR");
    }
    context.registryFile =
        parsed.registry.empty() ? defaultSettingsFolder() + "/registry.reg" : parsed.registry;
    return runCommand(context, parsed);
}

}  // namespace vnstd
