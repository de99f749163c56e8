// The macro dialog's scenarios: the example end-plate macro in the macro dialog, modal and
// modeless. The changed variables of the macro are shown when the dialog has closed.
#include <filesystem>

#include "macro_dlg_registry.h"
#include "macro_file.h"
#include "modeless_windows.h"
#include "scenarios.h"
#include "vn_macro_dlg.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

struct ExampleMacro {
    Ktx_Macro macro;
    MacroData data;
    std::string file;
    std::string error;
};

bool readExample(const ScenarioPlace& place, ExampleMacro& example) {
    example.file =
        (fs::path(place.libraryDir) / "Macros" / "End plates" / "EndPlate dialog.macro").string();
    Ktx_String error;
    if (!readMacroFile(Ktx_String(example.file.c_str()), example.macro, example.data, error)) {
        example.error = error.c_str();
        return false;
    }
    example.data.edit.macros = {&example.macro};
    if (example.data.edit.title.empty()) example.data.edit.title = example.macro.name;
    return true;
}

json moduleVariables(Ktx_Macro& macro) {
    json modules = json::object();
    Ktx_StringArray names;
    macro.getModuleNames(names);
    for (int i = 0; i < names.length(); ++i) {
        Ktx_Module* m = macro.findModule(names[i]);
        if (!m) continue;
        json vars = json::object();
        for (const Ktx_ConstrVar& v : m->variables) vars[v.name] = macroNumberText(v.value);
        modules[names[i].str()] = vars;
    }
    return modules;
}

ScenarioOutcome outcomeOf(ExampleMacro& example, const char* ended) {
    ScenarioOutcome outcome;
    outcome.ended = ended;
    outcome.data = {{"macro", example.file}, {"variables", moduleVariables(example.macro)}};
    return outcome;
}

ScenarioOutcome failed(const ExampleMacro& example) {
    ScenarioOutcome outcome;
    outcome.ended = "failed";
    outcome.data = {{"macro", example.file}, {"error", example.error}};
    return outcome;
}

ScenarioOutcome runModal(const ScenarioPlace& place) {
    ExampleMacro example;
    if (!readExample(place, example)) return failed(example);
    StartDlgMacro(example.data);
    return outcomeOf(example, "OK");
}

ScenarioOutcome runModeless(const ScenarioPlace& place) {
    ExampleMacro example;
    if (!readExample(place, example)) return failed(example);
    int number = -1;
    if (!StartDlgMacroModeless(true, example.data, number)) return failed(example);
    // Until the dialog is closed; its ending waits for the 50 ms deferred-end timer.
    auto closing = [number] {
        auto* dialog = dynamic_cast<VnMacroDlg*>(macroDlgAt(number));
        return !dialog || dialog->macroData().edit.closing;
    };
    winRunMessageLoop(closing);
    winAdvanceClock(50);
    if (macroDlgAt(number)) EndDlgMacroModeless(number);
    return outcomeOf(example, "OK");
}

}  // namespace

std::vector<Scenario> macroScenarios() {
    return {{"macro", "Macro dialog",
             "The example end-plate macro in the macro dialog (modal): its tabs show the "
             "example templates with the macro's values; a confirmed change is applied to the "
             "macro at once.",
             runModal},
            {"macro-modeless", "Macro dialog (modeless)",
             "The same dialog opened modeless beside the drawing, as the Core library opens it; "
             "closing it ends it through the deferred ending.",
             runModeless}};
}
