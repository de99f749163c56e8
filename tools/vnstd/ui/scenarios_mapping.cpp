// The macro settings dialog's standards page on the example end-plate macro: its standard
// EndPlate with the mapping key of its macro file. A changed link is written to the library's
// "Connection Standards\EndPlate.map" as a new line under a fresh key.
#include <filesystem>

#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_file.h"
#include "macro_settings_data.h"
#include "path_translation.h"
#include "scenarios.h"
#include "section_table_manager.h"
#include "vn_dlg_macro_settings.h"

namespace {

nlohmann::json textsJson(const Ktx_StringArray& texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const Ktx_String& t : texts) list.push_back(t.str());
    return list;
}

ScenarioOutcome runMapping(const ScenarioPlace& place) {
    const std::filesystem::path file =
        std::filesystem::path(place.libraryDir).parent_path() / "macros" / "endplate_ipe300.macro";
    Ktx_DbMacro macro;
    MacroData data;
    Ktx_String error;
    ScenarioOutcome outcome;
    if (!readMacroFile(windowsPathFromHost(file.string()), macro, data, error))
        return ScenarioOutcome::failed(error.str());
    // The profile columns a base profile offers, as `vnstd macro show` loads them.
    gSectionTables.loadLibrary();
    MacroSettingsData settings;
    GetMacroSettings(&macro, settings);
    bool modified = false;
    outcome.ended = StartDlgMacroSettings(settings, &modified) ? "OK" : "Cancel";
    outcome.data = {{"macro", file.string()},
                    {"standards", textsJson(settings.standards)},
                    {"mappingKeys", textsJson(settings.mappingKeys)},
                    {"modified", modified}};
    return outcome;
}

}  // namespace

Scenario mappingScenario() {
    return {"mapping", "Macro settings: standards",
            "The standards page of the macro settings dialog on the example end-plate macro: "
            "add, remove and order its standards, and link each Input and Output of a standard "
            "to a property of the macro. A changed link adds a line to the standard's mapping "
            "file under a fresh key.",
            runMapping};
}
