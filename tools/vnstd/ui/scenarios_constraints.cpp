// The constraint editor's scenario: the modeless editor on the example design
// (examples/macros/base_plate.constr), open until it is closed.
#include <filesystem>

#include "edit_constr_file.h"
#include "modeless_windows.h"
#include "path_translation.h"
#include "scenarios.h"
#include "vn_edit_constr_dlg.h"
#include "win_driver.h"

namespace {

using json = nlohmann::json;

json moduleSummary(const Ktx_MacroDesign& design) {
    json modules = json::array();
    for (const Ktx_ModuleDesign& m : design.designs) {
        json variables = json::object();
        for (const Ktx_VarEq& v : m.varsEqs) variables[v.name] = v.value;
        modules.push_back({{"module", m.module},
                           {"constraints", m.constraints.size()},
                           {"geometry", m.geometry.size()},
                           {"variables", variables}});
    }
    return modules;
}

ScenarioOutcome runConstraints(const ScenarioPlace& place) {
    const std::filesystem::path file =
        std::filesystem::path(place.libraryDir).parent_path() / "macros" / "base_plate.constr";
    Ktx_ConstrDrawing drawing;
    Ktx_String error;
    ScenarioOutcome outcome;
    if (!readConstrDrawing(Ktx_String(file.string()), drawing, error))
        return ScenarioOutcome::failed(error.str());
    EditConstrData data;
    data.drawing = &drawing;
    data.currentModule = "Plate";
    if (!StartDlgEditConstraints(data)) return ScenarioOutcome::failed();
    // Until the editor is closed (its Close button hides it and ends it right after).
    winRunMessageLoop([] {
        return !isConstraintEditorOpen() || !IsWindowVisible(constraintEditor()->GetSafeHwnd());
    });
    EndDlgEditConstraints();
    outcome.ended = "OK";
    json macros = json::array();
    for (const Ktx_MacroDesign& m : drawing.macros)
        macros.push_back({{"macro", m.macro.name}, {"modules", moduleSummary(m)}});
    outcome.data = {{"macros", macros}, {"drawing", drawing.log}};
    return outcome;
}

}  // namespace

Scenario constraintsScenario() {
    return {"constraints", "Constraint editor",
            "The modeless constraint editor on the example design of a base plate: constraints, "
            "geometry, variables and the constraint commands (picks in the drawing are menus).",
            runConstraints};
}
