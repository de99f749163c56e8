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
#include "option_parser.h"
#include "path_translation.h"
#include "registry_session.h"

namespace vnstd {
namespace {

// The program's help: usage, the commands of the table, the global options.
std::string programHelp() {
    std::string help =
        "usage: vnstd [--lib DIR] [--registry FILE] [COMMAND [ARGS...]]\n"
        "       vnstd --help | --version\n"
        "\n"
        "The standards module of a structural-steel modeller, run from a shell.\n"
        "With no command, evaluates the shipped example standard (the main job).\n"
        "\n"
        "Commands ('vnstd COMMAND --help' for each):\n";
    for (const CliCommand& c : cliCommands()) {
        std::string name = c.name;
        name.resize(std::max<size_t>(name.size() + 1, 10), ' ');
        help += "  " + name + c.summary + "\n";
    }
    return help +
           "\n"
           "Options:\n"
           "  --lib DIR        the product library folder (default: $VNSTD_LIB, else the\n"
           "                   shipped examples/library)\n"
           "  --registry FILE  the registry file, read before and written after the command\n"
           "                   when it changed (default: registry.reg in $VNSTD_SETTINGS,\n"
           "                   else in ~/.config/vnstd)\n"
           "  -h, --help       show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "Output of a command goes to stdout; messages and the host's command line to "
           "stderr.\n"
           "Exit codes: 0 success, 1 the command failed, 2 a usage error.\n";
}

struct ParsedArgs {
    bool help = false;
    bool version = false;
    std::string lib;
    std::string registry;
    std::string command;
    std::vector<std::string> commandArgs;
};

bool parseArgs(const std::vector<std::string>& a, ParsedArgs& parsed, std::string& error) {
    OptionParser parser("vnstd");
    parser.flag("--version", parsed.version)
        .value("--lib", parsed.lib)
        .value("--registry", parsed.registry)
        .stopAtFirstPositional();
    if (!parser.parse(a, error)) return false;
    parsed.help = parser.helpAsked();
    const std::vector<std::string>& rest = parser.positional();
    if (!rest.empty()) {
        parsed.command = rest[0];
        parsed.commandArgs.assign(rest.begin() + 1, rest.end());
    }
    return true;
}

const CliCommand* findCommand(const std::string& name) {
    for (const CliCommand& c : cliCommands())
        if (name == c.name) return &c;
    return nullptr;
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
int runLoaded(CliContext& context, const CliCommand& command,
              const std::vector<std::string>& args) {
    RegistrySession registry(context.registryFile);
    if (!registry.ok()) {
        return cliFailure(context, "cannot read the registry file '" + context.registryFile +
                                       "': " + registry.error());
    }
    int result = 0;
    {
        ModuleSession session(context.err);
        if (!session.loaded()) return cliFailure(context, "the module failed to load");
        result = command.run(context, args);
    }
    if (!registry.saveIfChanged()) {
        cliFailure(context, "cannot write the registry file '" + context.registryFile + "'");
        if (result == 0) result = 1;
    }
    return result;
}

int runCommand(CliContext& context, const ParsedArgs& parsed, const CliCommand& command) {
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
    if (parsed.help) return std::fputs(programHelp().c_str(), context.out) < 0 ? 1 : 0;
    if (parsed.version) return std::printf("vnstd %s\n", VN_VERSION) < 0 ? 1 : 0;
    const CliCommand* command =
        parsed.command.empty() ? findCommand("eval") : findCommand(parsed.command);
    if (!command) return cliUsageError(context, "unknown command '" + parsed.command + "'");
    if (cliAsksForHelp(parsed.commandArgs))
        return std::fputs(command->usage(parsed.commandArgs).c_str(), context.out) < 0 ? 1 : 0;
    const std::string lib = locateLibrary(parsed.lib, context.exePath);
    if (!applyLibrary(context, lib)) {
        if (!parsed.lib.empty()) return cliUsageError(context, "no library folder '" + lib + "'");
        return cliFailure(context, "the product library folder was not found; use --lib DIR");
    }
    context.libGiven = !parsed.lib.empty();
    context.registryFile =
        parsed.registry.empty() ? defaultSettingsFolder() + "/registry.reg" : parsed.registry;
    return runCommand(context, parsed, *command);
}

}  // namespace vnstd
