// The select macro dialog on a folder of macro drawings: the "select-macro" scenario on the
// example connections, and the dialog run that "vnstd macro pick" shares with it.
#include <filesystem>

#include "path_translation.h"
#include "scenarios.h"
#include "vn_select_macro_dlg.h"

namespace {

ScenarioOutcome runExampleConnections(const ScenarioPlace&) {
    return runSelectMacro("Connections", true, true);
}

}  // namespace

ScenarioOutcome runSelectMacro(const std::string& folder, bool extraChoice, bool showHint) {
    // A folder of this machine is given as the module's path; anything else is a name below
    // the library's "Macros\" folder.
    std::error_code ec;
    const Ktx_String name = std::filesystem::is_directory(folder, ec)
                                ? windowsPathFromHost(std::filesystem::absolute(folder).string())
                                : Ktx_String(folder);
    Ktx_String chosen;
    bool extra = extraChoice;
    ScenarioOutcome outcome;
    const bool ok = StartDlgSelectMacro("", {name}, 0, 0, chosen, extra, showHint);
    outcome.ended = ok ? "OK" : "Cancel";
    outcome.data = {{"chosen", chosen.isEmpty() ? std::string() : hostPath(chosen)},
                    {"extraChoice", ok && extra}};
    return outcome;
}

Scenario selectMacroScenario() {
    return {"select-macro", "Select macro",
            "The select macro dialog on the example connections (Macros\\Connections): filter "
            "the drawings by their modules, choose one, or press Other... for none.",
            runExampleConnections};
}
