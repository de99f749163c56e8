// The section library's scenarios: the simple size dialog on the SHS table and the library
// editor opened on HEA-100.
#include <string>

#include "ktx_prof_values_table.h"
#include "scenarios.h"
#include "vn_lib_editor_dlg.h"
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
    if (!table.readFromFile("SHS")) return ScenarioOutcome::failed("the library has no SHS table");
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

json groupsJson(const SectionGroupArray& groups) {
    json all = json::array();
    for (int i = 0; i < groups.length(); ++i) {
        all.push_back({{"names", rowJson(groups.getLangs(i))},
                       {"enabled", groups.getEnabled(i)},
                       {"image", groups.getImage(i).str()}});
    }
    return all;
}

json typesJson(const std::vector<SectionType>& types) {
    json all = json::array();
    for (const SectionType& t : types) {
        all.push_back({{"names", rowJson(t.names)},
                       {"enabled", t.enabled},
                       {"group", t.group},
                       {"table", t.table.str()},
                       {"image", t.image.str()}});
    }
    return all;
}

// Example groups and types of the shipped tables.
DlgEditLibData exampleLibraryData() {
    DlgEditLibData data;
    data.groups.appendNewGrp({"Beams and columns", "Liggers en kolommen", "Träger und Stützen",
                              "Poutres et poteaux", "Beams and columns"});
    data.groups.appendNewGrp(
        {"Hollow sections", "Kokers en buizen", "Hohlprofile", "Profils creux", "Hollow sections"});
    const char* const tables[][2] = {{"HEA", "0"}, {"HEB", "0"}, {"IPE", "0"}, {"UPN", "0"},
                                     {"L", "0"},   {"SHS", "1"}, {"RHS", "1"}, {"CHS", "1"}};
    for (const auto& [table, group] : tables) {
        SectionType t;
        t.table = table;
        t.group = Ktx_String(group).toInt();
        for (int lang = 0; lang < 5; ++lang) t.names.append(table);
        data.types.push_back(t);
    }
    return data;
}

ScenarioOutcome runLibraryEditor(const ScenarioPlace&) {
    DlgEditLibData data = exampleLibraryData();
    ScenarioOutcome outcome;
    outcome.ended = StartDlgEditLibSections(data, "HEA-100") ? "OK" : "Cancel";
    outcome.data = {{"groups", groupsJson(data.groups)}, {"types", typesJson(data.types)}};
    return outcome;
}

}  // namespace

Scenario sectionEditorScenario() {
    return {"section-library", "Section library",
            "The section library editor opened on HEA-100: the tables page with the HEA table; "
            "the groups and types pages hold example data. Saved, renamed and deleted tables "
            "change the library's prof folder at once.",
            runLibraryEditor};
}

Scenario sectionSimpleScenario() {
    return {"section-size", "Add a section size",
            "The simple size dialog on the SHS table with 60x60x4 as template: change a value and "
            "the name follows; OK shows the new row (the table file is not written).",
            runSimpleSize};
}
