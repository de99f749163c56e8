#pragma once
// The scenarios of the start page: each calls one exported dialog function of the module with
// data made from the shipped example library, on the module's thread, and says how it ended
// and what data it gave back. Later dialogs add theirs to the table (scenarios.cpp).
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct ScenarioPlace {
    std::string libraryDir;   // host path of the library folder
    std::string settingsDir;  // host path of the settings folder
};

struct ScenarioOutcome {
    std::string ended;  // "OK", "Cancel" or "failed"
    nlohmann::json data = nlohmann::json::object();

    // A scenario that could not run its dialog; the reason, when given, goes into the data.
    static ScenarioOutcome failed(const std::string& reason = {}) {
        ScenarioOutcome outcome{"failed"};
        if (!reason.empty()) outcome.data["reason"] = reason;
        return outcome;
    }
};

struct Scenario {
    std::string name;  // as given on the command line and in the page's address
    std::string title;
    std::string description;
    std::function<ScenarioOutcome(const ScenarioPlace&)> run;
};

// The general variables dialog (scenarios_genvars.cpp).
Scenario genVarsScenario();
// The macro settings dialog's standards page (scenarios_mapping.cpp).
Scenario mappingScenario();

const std::vector<Scenario>& uiScenarios();
// The dialog foundation's controls on the library's pictures (scenarios_foundation.cpp).
Scenario foundationScenario();
// The dialog designer on the example template (scenarios_designer.cpp).
Scenario designerScenario();
// The scenarios of the spreadsheet dialogs (scenarios_spread.cpp).
const std::vector<Scenario>& spreadScenarios();
// The section library's dialogs (scenarios_sections.cpp).
Scenario sectionSimpleScenario();
Scenario sectionEditorScenario();
const Scenario* findScenario(const std::string& name);
// The select macro dialog (scenarios_selectmacro.cpp): the example connections, and a run on
// any folder of drawings (a folder of this machine, or a name below the library's Macros\).
Scenario selectMacroScenario();
ScenarioOutcome runSelectMacro(const std::string& folder, bool extraChoice, bool showHint);

// The scenarios of each area, in files of their own (scenarios_<area>.cpp).
std::vector<Scenario> cuttingScenarios();
std::vector<Scenario> dialogScenarios();
Scenario constraintsScenario();
std::vector<Scenario> macroScenarios();
