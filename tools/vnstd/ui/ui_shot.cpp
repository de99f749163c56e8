#include "ui_shot.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The shooting thread: once the scenario runs, queues the steps, waits until the dialog has taken
// them, then runs Chromium and stops the session (which ends the dialog).
void shoot(UiSession& session, std::vector<PageEvent> steps, std::string command, int& result) {
    performUiSteps(session, std::move(steps));
    result = std::system(command.c_str());
    session.source().stop();
}

}  // namespace

void performUiSteps(UiSession& session, std::vector<PageEvent> steps) {
    for (int i = 0; i < 500 && !session.running(); ++i) std::this_thread::sleep_for(10ms);
    // Steps pushed before the scenario's dialog waits for them would be dropped as events
    // for no dialog: wait until the published state shows a window (at most 5 s).
    for (int i = 0; i < 500 && !steps.empty(); ++i) {
        const auto state =
            nlohmann::json::parse(session.source().state(0, 0ms).second, nullptr, false);
        if (state.is_object() && state.contains("windows") && !state["windows"].empty()) break;
        std::this_thread::sleep_for(10ms);
    }
    for (PageEvent& e : steps) {
        session.source().push(std::move(e));
        for (int i = 0; i < 200 && session.source().queued() > 0; ++i)
            std::this_thread::sleep_for(10ms);
    }
    std::this_thread::sleep_for(200ms);
}

bool readUiSteps(const std::string& file, std::vector<PageEvent>& steps, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "cannot read the steps file '" + file + "'";
        return false;
    }
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::optional<PageEvent> e = parsePageEvent(line, error);
        if (!e) {
            error = file + ":" + std::to_string(n) + ": " + error;
            return false;
        }
        steps.push_back(*e);
    }
    return true;
}

std::string chromiumShotCommand(const std::string& url, const std::string& png,
                                const std::string& profileDir) {
    return "chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
           "--disable-background-networking --disable-component-update --disable-sync "
           "--hide-scrollbars --window-size=900,640 --virtual-time-budget=3000 --user-data-dir=" +
           quoted(profileDir) + " --screenshot=" + quoted(png) + " " + quoted(url) +
           " >/dev/null 2>&1 </dev/null";
}

int runUiShot(const CliContext& context, UiSession& session, const std::string& address,
              const UiOptions& options) {
    const Scenario* scenario = findScenario(options.shot);
    if (scenario == nullptr)
        return cliUsageError(context, "unknown scenario '" + options.shot + "'");
    std::vector<PageEvent> steps;
    std::string error;
    if (!options.steps.empty() && !readUiSteps(options.steps, steps, error))
        return cliFailure(context, error);
    std::error_code ec;
    const fs::path profile =
        fs::temp_directory_path(ec) / ("vnstd-shot-" + std::to_string(getpid()));
    fs::remove_all(profile, ec);
    const fs::path png = fs::absolute(options.output, ec);
    int result = -1;
    std::thread shooter(shoot, std::ref(session), std::move(steps),
                        chromiumShotCommand(address + "&shot=1", png.string(), profile.string()),
                        std::ref(result));
    session.runScenario(*scenario);
    shooter.join();
    fs::remove_all(profile, ec);
    if (result != 0 || !fs::exists(png, ec))
        return cliFailure(
            context, "chromium could not write '" + png.string() + "' (apt-get install chromium)");
    std::fprintf(context.err, "wrote %s\n", png.string().c_str());
    return 0;
}
