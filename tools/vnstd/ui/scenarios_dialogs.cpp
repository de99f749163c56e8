// Scenarios of the small dialogs the Core library opens (src/dialogs).
#include "scenarios.h"
#include "vn_cis2_dlg.h"
#include "vn_grid_dlg.h"

namespace {

using json = nlohmann::json;

const char* ended(bool ok) {
    return ok ? "OK" : "Cancel";
}

ScenarioOutcome runGrid(const ScenarioPlace&) {
    VnGridDlgData data;
    ScenarioOutcome outcome;
    outcome.ended = ended(StartDlgGrid(data));
    outcome.data = {{"count1", data.count1},
                    {"distances1", data.distances1.str()},
                    {"label1", data.label1.str()},
                    {"count2", data.count2},
                    {"distances2", data.distances2.str()},
                    {"label2", data.label2.str()},
                    {"option", data.option}};
    return outcome;
}

ScenarioOutcome runCis2(const ScenarioPlace&) {
    VnDlgCis2Data data;
    ScenarioOutcome outcome;
    outcome.ended = ended(StartDlgCis2Info(data));
    outcome.data = {{"mode1", data.mode1},
                    {"option1", data.option1},
                    {"alternative2", data.alternative2},
                    {"option2", data.option2},
                    {"option3", data.option3}};
    return outcome;
}

}  // namespace

std::vector<Scenario> dialogScenarios() {
    return {
        {"grid", "Building grid",
         "The grid dialog on the default block: 4 and 3 grid lines 5000 apart, labels A and 1.",
         runGrid},
        {"cis2", "CIS/2 information",
         "The CIS/2 choices on the default block; the table button edits the library's "
         "CIS2ProfNames.dat.",
         runCis2},
    };
}
