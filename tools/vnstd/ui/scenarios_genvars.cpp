// The general variables dialog's scenario: two small example tables.
#include "scenarios.h"
#include "vn_dlg_gen_vars.h"

namespace {

nlohmann::json columnJson(const Ktx_StringArray& column) {
    nlohmann::json texts = nlohmann::json::array();
    for (int i = 0; i < column.length(); ++i) texts.push_back(column[i].str());
    return texts;
}

ScenarioOutcome runGenVars(const ScenarioPlace&) {
    VnAutoStandardsData data;
    data.genNames = {"gen_boltGrade", "gen_boltGrade", "gen_weldSize"};
    data.genValues = {"8.8", "10.9", "6"};
    data.genDrawings = {"End plates", "End plates\\EndPlate IPE300.dwg", ""};
    data.modNames = {"gen_plateThickness"};
    data.modValues = {"15"};
    data.modModules = {"Plate"};
    data.modDrawings = {"End plates"};
    ScenarioOutcome outcome;
    outcome.ended = StartDlgGenVars(data) ? "OK" : "Cancel";
    outcome.data = {{"names", columnJson(data.genNames)},
                    {"values", columnJson(data.genValues)},
                    {"drawings", columnJson(data.genDrawings)},
                    {"moduleNames", columnJson(data.modNames)},
                    {"moduleValues", columnJson(data.modValues)},
                    {"modules", columnJson(data.modModules)},
                    {"moduleDrawings", columnJson(data.modDrawings)}};
    return outcome;
}

}  // namespace

Scenario genVarsScenario() {
    return {"genvars", "General variables",
            "The general variables dialog on two small tables: add, remove and move rows, and "
            "choose the drawings and folders below the library's Macros folder.",
            runGenVars};
}
