#include "cmd_macro_edit.h"

#include <nlohmann/json.hpp>
#include <thread>

#include "ktx_macro.h"
#include "ktx_settings.h"
#include "macro_data.h"
#include "macro_file.h"
#include "macro_load_standards.h"
#include "option_parser.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "ui_server.h"
#include "ui_shot.h"
#include "vn_macro_dlg.h"

const char* const kMacroEditUsage =
    "usage: vnstd macro edit FILE [--write] [--steps FILE] [--port N] [--no-token]\n"
    "\n"
    "Opens the macro dialog on a macro file: each tab with its dialog template, the grid of\n"
    "its other variables and its bolt controls; \"Load from standards\" evaluates the\n"
    "standards the file links (its 'standard' lines). Without --steps the dialog runs in a\n"
    "browser: the address is printed (as by 'vnstd ui') and the command ends when the dialog\n"
    "is closed or the program interrupted. With --steps the events of the file (one JSON event\n"
    "a line, as for 'vnstd ui --shot') are performed and the dialog is then closed.\n"
    "  --write      write the changed macro back on close, atomically, keeping the file's\n"
    "               comments and layout (nothing is written when nothing changed)\n"
    "  --steps F    perform the events of F instead of serving a browser\n"
    "  --port N     the browser's port (default: a free one)\n"
    "  --no-token   no access token in the address (a trusted machine only)\n";

namespace {

struct EditOptions {
    std::string file;
    std::string steps;
    std::string port;
    bool write = false;
    bool noToken = false;
};

// The macro of the file as the dialog edits it.
struct EditedMacro {
    Ktx_Macro macro;
    MacroData data;
};

bool loadMacro(const std::string& file, EditedMacro& edited, std::string& error) {
    Ktx_String message;
    if (!readMacroFile(windowsPathFromHost(file), edited.macro, edited.data, message)) {
        error = "cannot read macro file '" + file + "': " + message.str();
        return false;
    }
    gSectionTables.loadLibrary();  // the standards' section look-ups
    edited.data.edit.macros = {&edited.macro};
    edited.data.edit.title = edited.macro.name;
    if (!edited.data.tabs.empty()) edited.data.edit.startTab = edited.data.tabs[0].name;
    return true;
}

Scenario editScenario(const std::string& file, EditedMacro& edited) {
    return {"macro-edit", "Macro dialog", file, [&edited](const ScenarioPlace&) {
                installMacroStandardsEvaluator();
                StartDlgMacro(edited.data);
                ScenarioOutcome outcome;
                outcome.ended = "OK";
                outcome.data = {{"macro", edited.macro.name}};
                return outcome;
            }};
}

int runScripted(const CliContext& context, UiSession& session, const Scenario& scenario,
                const std::string& stepsFile) {
    std::vector<PageEvent> steps;
    std::string error;
    if (!readUiSteps(stepsFile, steps, error)) return cliFailure(context, error);
    std::thread user([&session, steps = std::move(steps)]() mutable {
        performUiSteps(session, std::move(steps));
        session.source().stop();
    });
    session.runScenario(scenario);
    user.join();
    return 0;
}

int runInBrowser(const CliContext& context, UiSession& session, const Scenario& scenario,
                 const EditOptions& options) {
    const std::string token = options.noToken ? std::string() : makeUiToken();
    UiServer server(session, token);
    const int port = server.start(std::atoi(options.port.c_str()));
    if (port < 0) return cliFailure(context, "cannot listen on 127.0.0.1:" + options.port);
    std::fprintf(context.out, "%s\n", uiAddress(port, token).c_str());
    std::fflush(context.out);
    runUntilInterrupted(session, [&session, &scenario] { session.runScenario(scenario); });
    server.stop();
    return 0;
}

int writeBack(const CliContext& context, const EditOptions& options, const EditedMacro& edited) {
    bool written = false;
    if (!updateMacroFile(windowsPathFromHost(options.file), edited.macro, edited.data, written))
        return cliFailure(context, "cannot write macro file '" + options.file + "'");
    std::fprintf(context.err, "%s %s\n", written ? "wrote" : "unchanged", options.file.c_str());
    return 0;
}

}  // namespace

int runMacroEdit(const CliContext& context, const std::vector<std::string>& args) {
    EditOptions options;
    OptionParser parser("macro edit");
    parser.flag("--write", options.write)
        .flag("--no-token", options.noToken)
        .value("--steps", options.steps)
        .value("--port", options.port);
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.helpAsked()) return std::fputs(kMacroEditUsage, context.out) < 0 ? 1 : 0;
    if (parser.positional().size() != 2)
        return cliUsageError(context, "usage: vnstd macro edit FILE [--write] [--steps FILE]");
    options.file = parser.positional()[1];
    if (!options.port.empty() &&
        (options.port.size() > 5 ||
         options.port.find_first_not_of("0123456789") != std::string::npos ||
         std::atoi(options.port.c_str()) > 65535))
        return cliUsageError(context, "macro edit: --port takes a number from 0 to 65535");
    EditedMacro edited;
    if (!loadMacro(options.file, edited, error)) return cliFailure(context, error);
    UiSession session(ScenarioPlace{context.libDir, hostPath(gSettings.settingsDir)});
    const Scenario scenario = editScenario(options.file, edited);
    const int code = options.steps.empty() ? runInBrowser(context, session, scenario, options)
                                           : runScripted(context, session, scenario, options.steps);
    if (code != 0 || !options.write) return code;
    return writeBack(context, options, edited);
}
