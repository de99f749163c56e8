#include "scenarios.h"

#include <filesystem>

#include "cmd_eval_report.h"
#include "cmd_eval_run.h"
#include "grid.h"
#include "grid_file_io.h"
#include "ktx_spread_dlg.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "sheet_csv.h"
#include "sheet_file.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

// The Formulas dialog keeping what its grid holds when OK is pressed (its data block).
class FormulasScenarioDialog : public Ktx_SpreadDlg {
  public:
    json cells = json::array();
    void OnOK() override {
        HWND grid = spread().gridWindow();
        for (int row = 1; row <= SSGetMaxRows(grid); ++row) {
            json line = json::array();
            for (int col = 1; col <= SSGetMaxCols(grid); ++col) {
                Ktx_String text;
                spread().getCellText(col, row, text, CellTextKind::Data);
                line.push_back(std::string(text.c_str()));
            }
            cells.push_back(std::move(line));
        }
        Ktx_SpreadDlg::OnOK();
    }
};

// The example standard's sheet (a CSV in the library) as a sheet file in the settings folder.
std::string exampleSheetFile(const ScenarioPlace& place) {
    const fs::path csv = fs::path(place.libraryDir) / "Connection Standards" / "EndPlate.csv";
    const fs::path sheet = fs::path(place.settingsDir) / "ui" / "EndPlate.sss";
    std::optional<std::string> text = gridReadFile(csv.string());
    std::string error;
    std::unique_ptr<SheetModel> model = text ? SheetCsv::read(*text, false, error) : nullptr;
    std::error_code ec;
    fs::create_directories(sheet.parent_path(), ec);
    if (!model || !gridWriteFileAtomically(sheet.string(), SheetFile::write(*model))) return {};
    return sheet.string();
}

ScenarioOutcome runFormulas(const ScenarioPlace& place) {
    FormulasScenarioDialog dialog;
    const std::string sheet = exampleSheetFile(place);
    if (!sheet.empty()) dialog.setFileName(windowsPathFromHost(sheet));
    ScenarioOutcome outcome;
    outcome.ended = dialog.DoModal() == IDOK ? "OK" : "Cancel";
    outcome.data = {{"fileName", sheet}, {"cells", dialog.cells}};
    return outcome;
}

ScenarioOutcome runEvaluation(const ScenarioPlace& place) {
    EvalOptions options;
    options.standard = "EndPlate";
    options.macroFile =
        (fs::path(place.libraryDir).parent_path() / "macros" / "endplate_ipe300.macro").string();
    options.key = "EndPlateIPE300";
    // The profile sections the standard looks up, as `vnstd eval` loads them.
    gSectionTables.loadLibrary();
    EvalResult result = evaluateMacroFile(options, options.macroFile);
    ScenarioOutcome outcome;
    outcome.ended = result.ok ? "OK" : "failed";
    json variables = json::array();
    for (const EvalVariable& v : result.variables) {
        variables.push_back({{"section", v.section},
                             {"name", v.name},
                             {"type", v.type},
                             {"before", tidyNumberText(v.before)},
                             {"after", tidyNumberText(v.after)}});
    }
    outcome.data = {{"standard", options.standard},
                    {"macro", options.macroFile},
                    {"reason", result.reason},
                    {"variables", variables},
                    {"warnings", result.warnings}};
    return outcome;
}

std::vector<Scenario> joinScenarios(std::vector<Scenario> all,
                                    const std::vector<std::vector<Scenario>>& areas) {
    for (const std::vector<Scenario>& area : areas) all.insert(all.end(), area.begin(), area.end());
    return all;
}

}  // namespace

const std::vector<Scenario>& uiScenarios() {
    static const std::vector<Scenario> scenarios = joinScenarios(
        {
            {"formulas", "Formulas",
             "The \"Formulas\" dialog on the example standard's sheet: type formulas into cells, "
             "recalculate, save or load.",
             runFormulas},
            {"eval", "Standards evaluation",
             "Evaluates the example standard (EndPlate) for the example macro and shows the "
             "variables before and after.",
             runEvaluation},
        },
        {{foundationScenario(), designerScenario()},
         spreadScenarios(),
         {sectionEditorScenario(), sectionSimpleScenario()},
         cuttingScenarios(),
         dialogScenarios(),
         macroScenarios(),
         {genVarsScenario(), mappingScenario()},
         {selectMacroScenario()},
         {constraintsScenario()}});
    return scenarios;
}

const Scenario* findScenario(const std::string& name) {
    for (const Scenario& s : uiScenarios()) {
        if (s.name == name) return &s;
    }
    return nullptr;
}
