// The cutting-stock dialog's scenarios: the library's entries with their newest shop and buy
// tables, and parts to cut as the Core library would list them, in both modes.
#include "cutting_library.h"
#include "scenarios.h"
#include "vn_cutting_stock_dlg.h"

namespace {

using json = nlohmann::json;

// A few parts per entry, as the optimisation's caller would hand them over.
void addPartsToCut(DlgCSP2Data& data) {
    const std::vector<std::pair<std::string, Ktx_StringArray>> parts = {
        {"IPE", {"IPE 200", "3150", "4"}},
        {"IPE", {"IPE 240", "5275", "2"}},
        {"IPE", {"IPE 300", "7420", "1"}},
        {"Plate", {"FL 200x10", "850", "6"}},
        {"Plate", {"FL 150x15", "1240", "3"}}};
    for (const auto& [entry, row] : parts) {
        const int index = data.entryNames.find(entry.c_str(), false);
        if (index < 0) continue;
        data.firstIds.append(data.entryIds[index]);
        data.firstRows.append(row);
    }
}

DlgCSP2Data exampleData(bool shopOnly) {
    DlgCSP2Data data = cuttingLibraryEntries();
    data.shopOnly = shopOnly;
    data.firstHeader = {"Section", "Length [mm]", "Pieces"};
    data.shopHeader = {"Section", "Length [mm]", "Pieces"};
    data.buyHeader = {"Section", "Length [mm]", "Mass [kg]"};
    cuttingLoadNewestTables(data);
    addPartsToCut(data);
    return data;
}

json rowsJson(const AcArray<int>& ids, const Ktx_Array<Ktx_StringArray>& rows) {
    json out = json::array();
    for (int i = 0; i < rows.length() && i < ids.length(); ++i) {
        json cells = json::array();
        for (const Ktx_String& cell : rows[i]) cells.push_back(cell.str());
        out.push_back({{"entry", ids[i]}, {"cells", cells}});
    }
    return out;
}

ScenarioOutcome runCutting(bool shopOnly) {
    DlgCSP2Data data = exampleData(shopOnly);
    ScenarioOutcome outcome;
    outcome.ended = StartDlgCSP2(data) ? "OK" : "Cancel";
    json entries = json::array();
    for (int i = 0; i < data.entryIds.length(); ++i)
        entries.push_back({{"id", data.entryIds[i]}, {"name", data.entryNames[i].str()}});
    outcome.data = {{"entries", entries},
                    {"first", rowsJson(data.firstIds, data.firstRows)},
                    {"shop", rowsJson(data.shopIds, data.shopRows)},
                    {"buy", rowsJson(data.buyIds, data.buyRows)}};
    return outcome;
}

}  // namespace

std::vector<Scenario> cuttingScenarios() {
    return {
        {"cutting", "Cutting stock",
         "The cutting-stock dialog on the library's entries (IPE, Plate) with their newest "
         "shop and buy tables: edit rows, save and open table files, load the newest tables.",
         [](const ScenarioPlace&) { return runCutting(false); }},
        {"cutting-shop", "Cutting stock, shop tables only",
         "The cutting-stock dialog in shop-only mode: only the shop tables can be edited and "
         "saved, one file per entry.",
         [](const ScenarioPlace&) { return runCutting(true); }},
    };
}
