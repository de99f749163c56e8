// vnstd macro pick FOLDER: opens the select macro dialog on a folder of macro drawings and
// prints the drawing chosen. A person chooses in the browser (the address goes to stderr), or
// the steps of a file (page events, as `vnstd ui --shot --steps` takes them) choose.
#include "cmd_macro_pick.h"

#include <cstdlib>
#include <memory>

#include "commands.h"
#include "ktx_settings.h"
#include "live_source.h"
#include "option_parser.h"
#include "path_translation.h"
#include "scenarios.h"
#include "ui_server.h"
#include "ui_shot.h"

const char* const kMacroPickUsage =
    "usage: vnstd macro pick FOLDER [--steps FILE] [--other] [--hint] [--port N] [--no-token]\n"
    "\n"
    "Opens the select macro dialog on the macro drawings (\".dwg\" macro files) of FOLDER (a\n"
    "folder, or a name below the library's Macros folder) and prints the path of the drawing\n"
    "chosen. Drawings without a preview picture get one. Without --steps the dialog is served\n"
    "to a web browser (the address is printed on stderr) and a person chooses there; with\n"
    "--steps FILE the page events of the file (one JSON event a line, docs/ui.md) are the\n"
    "person, and when they run out the dialog ends as cancelled.\n"
    "\n"
    "  --other      offer the \"Other...\" button (go on without a drawing: prints nothing)\n"
    "  --hint       show the hint about \"Other...\" (with --other)\n"
    "  --port N     the browser's port (default: a free one)\n"
    "  --no-token   no access token in the address (a trusted machine only)\n"
    "\n"
    "Exit codes: 0 chosen, 1 cancelled or failed, 2 usage error.\n";

namespace {

struct PickOptions {
    std::string folder;
    std::string steps;
    std::string port;
    bool other = false;
    bool hint = false;
    bool noToken = false;
};

// Runs the dialog with the steps of the file as the person.
bool runWithSteps(const CliContext& context, const PickOptions& options, ScenarioOutcome& outcome) {
    std::vector<PageEvent> steps;
    std::string error;
    if (!readUiSteps(options.steps, steps, error)) {
        cliFailure(context, error);
        return false;
    }
    auto source = std::make_shared<LiveSource>(nullptr);
    source->setEndWhenIdle(true);
    for (PageEvent& step : steps) {
        if (!source->push(std::move(step))) {
            cliFailure(context, "too many steps (at most 30)");
            return false;
        }
    }
    winSetLiveEventSource(source);
    outcome = runSelectMacro(options.folder, options.other, options.hint);
    winSetLiveEventSource(nullptr);
    if (!source->lastRefusal().empty())
        std::fprintf(context.err, "vnstd: a step was refused: %s\n", source->lastRefusal().c_str());
    return true;
}

// Serves the dialog to a browser until the person ends it.
bool runInBrowser(const CliContext& context, const PickOptions& options, ScenarioOutcome& outcome) {
    UiSession session(ScenarioPlace{context.libDir, hostPath(gSettings.settingsDir)});
    const std::string token = options.noToken ? std::string() : makeUiToken();
    UiServer server(session, token);
    const int port = server.start(std::atoi(options.port.c_str()));
    if (port < 0) {
        cliFailure(context, "cannot listen on 127.0.0.1:" + options.port);
        return false;
    }
    const std::string address = uiAddress(port, token);
    std::fprintf(context.err, "choose in the browser: %s\n", address.c_str());
    std::fflush(context.err);
    const Scenario pick{"macro-pick", "Select a macro", "vnstd macro pick " + options.folder,
                        [&](const ScenarioPlace&) {
                            return outcome =
                                       runSelectMacro(options.folder, options.other, options.hint);
                        }};
    session.runScenario(pick);
    server.stop();
    return true;
}

}  // namespace

int runMacroPick(const CliContext& context, const std::vector<std::string>& args) {
    PickOptions options;
    OptionParser parser("macro pick");
    parser.value("--steps", options.steps)
        .value("--port", options.port)
        .flag("--other", options.other)
        .flag("--hint", options.hint)
        .flag("--no-token", options.noToken);
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.helpAsked()) return std::fputs(kMacroPickUsage, context.out) < 0 ? 1 : 0;
    if (parser.positional().size() != 1)
        return cliUsageError(context, "usage: vnstd macro pick FOLDER");
    options.folder = parser.positional()[0];
    ScenarioOutcome outcome;
    const bool ran = options.steps.empty() ? runInBrowser(context, options, outcome)
                                           : runWithSteps(context, options, outcome);
    if (!ran) return 1;
    if (outcome.ended != "OK") {
        std::fprintf(context.err, "vnstd: no drawing chosen\n");
        return 1;
    }
    const std::string chosen = outcome.data.value("chosen", std::string());
    if (!chosen.empty()) std::fprintf(context.out, "%s\n", chosen.c_str());
    return 0;
}
