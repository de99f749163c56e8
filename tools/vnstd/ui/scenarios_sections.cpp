// The section library's scenarios: the simple size dialog on the SHS table and the library
// editor opened on HEA-100.
#include <string>

#include "ktx_prof_values_table.h"
#include "scenarios.h"
#include "vn_lib_simple_dlg.h"

namespace {

using json = nlohmann::json;

json rowJson(const Ktx_StringArray& row) {
    json cells = json::array();
    for (const Ktx_String& cell : row) cells.push_back(cell.str());
    return cells;
}

ScenarioOutcome runSimpleSize(const ScenarioPlace&) {
    ScenarioOutcome outcome;
    Ktx_ProfValuesTable table;
    if (!table.readFromFile("SHS")) {
        outcome.ended = "failed";
        outcome.data = {{"reason", "the library has no SHS table"}};
        return outcome;
    }
    int newRow = -1;
    const bool ok = StartDlgEditLibSimple("60x60x4", table, newRow);
    outcome.ended = ok ? "OK" : "Cancel";
    outcome.data = {{"table", "SHS (not written)"}, {"sizes", table.rows.length()}};
    if (ok) {
        outcome.data["newRow"] = newRow;
        outcome.data["header"] = rowJson(table.header);
        outcome.data["added"] = rowJson(table.rows[newRow]);
    }
    return outcome;
}

}  // namespace

Scenario sectionSimpleScenario() {
    return {"section-size", "Add a section size",
            "The simple size dialog on the SHS table with 60x60x4 as template: change a value and "
            "the name follows; OK shows the new row (the table file is not written).",
            runSimpleSize};
}
