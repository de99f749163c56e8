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
};

struct Scenario {
    std::string name;  // as given on the command line and in the page's address
    std::string title;
    std::string description;
    std::function<ScenarioOutcome(const ScenarioPlace&)> run;
};

// The general variables dialog (scenarios_genvars.cpp).
Scenario genVarsScenario();

const std::vector<Scenario>& uiScenarios();
const Scenario* findScenario(const std::string& name);
