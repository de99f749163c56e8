#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "ui_options.h"
#include "ui_server.h"
#include "ui_shot.h"

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted = true;
}

// Stops the session when the process is interrupted (or `done` is set).
void watchForInterrupt(UiSession& session, const std::atomic<bool>& done) {
    while (!interrupted && !done) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    session.source().stop();
}

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
    const std::string address = "http://127.0.0.1:" + std::to_string(port) + "/?token=" + token;
    if (!options.shot.empty()) return runUiShot(context, session, address, options);
    std::fprintf(context.out, "%s\n", address.c_str());
    std::fflush(context.out);
    if (!options.scenario.empty() && !session.request(options.scenario))
        return cliUsageError(context, "unknown scenario '" + options.scenario + "'");
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    std::atomic<bool> done{false};
    std::thread watcher(watchForInterrupt, std::ref(session), std::cref(done));
    session.run();
    done = true;
    watcher.join();
    server.stop();
    return 0;
}
