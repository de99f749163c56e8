#include <cstdio>
#include <filesystem>
#include <fstream>

#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "ui_options.h"
#include "ui_server.h"
#include "ui_shot.h"

namespace {

ScenarioPlace placeOf(const CliContext& context) {
    ScenarioPlace place;
    place.libraryDir = context.libDir;
    place.settingsDir = hostPath(gSettings.settingsDir);
    return place;
}

}  // namespace

std::string uiUsage(const std::vector<std::string>&) {
    return kUiUsage;
}

int runUiCommand(const CliContext& context, const std::vector<std::string>& args) {
    UiOptions options;
    std::string error;
    if (!parseUiOptions(args, options, error)) return cliUsageError(context, error);
    if (options.help) return std::fputs(kUiUsage, context.out) < 0 ? 1 : 0;
    UiSession session(placeOf(context));
    const std::string token = options.noToken ? std::string() : makeUiToken();
    UiServer server(session, token);
    const int port = server.start(options.shot.empty() ? options.port : 0);
    if (port < 0)
        return cliFailure(context, "cannot listen on 127.0.0.1:" + std::to_string(options.port));
    const std::string address = uiAddress(port, token);
    if (!options.shot.empty()) return runUiShot(context, session, address, options);
    std::fprintf(context.out, "%s\n", address.c_str());
    std::fflush(context.out);
    if (!options.scenario.empty() && !session.request(options.scenario))
        return cliUsageError(context, "unknown scenario '" + options.scenario + "'");
    runUntilInterrupted(session, [&session] { session.run(); });
    server.stop();
    return 0;
}
