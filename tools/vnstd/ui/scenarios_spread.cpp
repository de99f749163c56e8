// The spreadsheet scenarios of `vnstd ui`: the find / replace dialog on the example
// standard's sheet, and the bill output filling its window with the example bill.
#include <filesystem>
#include <functional>

#include "ac_transaction.h"
#include "grid.h"
#include "grid_file_io.h"
#include "ktx_bill.h"
#include "ktx_settings.h"
#include "ktx_spread.h"
#include "ktx_spread_find_dlg.h"
#include "modal_loop.h"
#include "path_translation.h"
#include "scenarios.h"
#include "spread_font_dlg.h"
#include "spread_legend_dlg.h"
#include "spread_preview_dlg.h"
#include "spread_settings.h"
#include "vn_bill_grid_holder.h"
#include "vn_ss_bill_output.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

// Every row of the grid as data texts.
json gridCells(Ktx_Spread& ss) {
    json cells = json::array();
    for (int row = 1; row <= ss.getMaxRows(); ++row) {
        json line = json::array();
        Ktx_String text;
        for (int col = 1; col <= ss.getMaxCols(); ++col) {
            ss.getCellText(col, row, text, CellTextKind::Data);
            line.push_back(text.str());
        }
        cells.push_back(std::move(line));
    }
    return cells;
}

// Opens a window with the example standard's sheet and runs `use` on its grid; "failed"
// when the sheet cannot be shown.
ScenarioOutcome withExampleSheet(const ScenarioPlace& place,
                                 const std::function<void(Ktx_Spread&, ScenarioOutcome&)>& use) {
    ScenarioOutcome outcome;
    VnBillGridHolder holder;
    Ktx_Spread* ss = holder.open() ? holder.getSSPointer() : nullptr;
    const fs::path sheet = fs::path(place.libraryDir) / "Connection Standards" / "EndPlate.vns";
    if (!ss || !SSLoadFromFile(ss->gridWindow(), sheet.string().c_str()))
        return ScenarioOutcome::failed();
    ::SetWindowText(holder.window(), "EndPlate.vns");
    ss->fitToTexts();
    SSSetActiveCell(ss->gridWindow(), 1, 1);
    outcome.data = {{"sheet", sheet.string()}};
    use(*ss, outcome);
    if (holder.window()) outcome.data["cells"] = gridCells(*ss);
    return outcome;
}

ScenarioOutcome runFind(const ScenarioPlace& place) {
    return withExampleSheet(place, [](Ktx_Spread& ss, ScenarioOutcome& outcome) {
        ss.showFindDialog(true);
        // Until the find dialog (or the sheet's window) is closed.
        winRunMessageLoop([&] { return !ss.isCreated() || !ss.findDialog(); });
        int col = 0;
        int row = 0;
        if (ss.isCreated()) ss.getActiveCell(col, row);
        outcome.ended = "OK";
        outcome.data["activeCell"] = {col, row};
    });
}

ScenarioOutcome runFont(const ScenarioPlace& place) {
    return withExampleSheet(place, [](Ktx_Spread& ss, ScenarioOutcome& outcome) {
        SSSetSelectBlock(ss.gridWindow(), 1, 1, 1, 3);
        outcome.ended = StartDlgSpreadFont(ss) ? "OK" : "Cancel";
        SSFont font;
        SSGetFont(ss.gridWindow(), 1, 1, &font);
        outcome.data["fontOfA1"] = {font.name, font.height};
    });
}

ScenarioOutcome runPreview(const ScenarioPlace& place) {
    return withExampleSheet(place, [](Ktx_Spread& ss, ScenarioOutcome& outcome) {
        outcome.ended = StartDlgSpreadPreview(ss) ? "OK" : "failed";
    });
}

ScenarioOutcome runLegend(const ScenarioPlace& place) {
    return withExampleSheet(place, [](Ktx_Spread& ss, ScenarioOutcome& outcome) {
        VnSpreadLegendData legend;
        legend.legend = "EndPlate - page &P of &N - &D";
        outcome.ended = StartDlgSpreadLegend(legend, ss) ? "OK" : "Cancel";
        outcome.data["legend"] = legend.legend.str();
        outcome.data["alignment"] = legend.alignment;
        outcome.data["font"] = legend.fontName.str();
    });
}

ScenarioOutcome runBill(const ScenarioPlace& place) {
    ScenarioOutcome outcome;
    const fs::path folder = fs::path(place.libraryDir) / "Bills";
    std::string error;
    const std::optional<std::string> feed = gridReadFile((folder / "EndPlate bill.tsv").string());
    std::optional<Ktx_Bill> bill = feed ? Ktx_Bill::fromFeed(*feed, error) : std::nullopt;
    if (!bill) return ScenarioOutcome::failed();
    for (int type : {1, 1, 3, 3, 1, 1, 3, 2, 2}) bill->columnTypes.append(type);
    const fs::path out = fs::path(place.settingsDir) / "ui" / "EndPlate bill.vns";
    std::error_code ec;
    fs::create_directories(out.parent_path(), ec);
    AcTransaction* transaction = acTransactionManager()->startTransaction();
    VnSSBillOutput output;
    output.setVars(-1, 160, 40, true, true, &*bill, transaction);
    const Acad::ErrorStatus ready =
        output.init(windowsPathFromHost(out.string()), bill->columnNames, Ktx_Array<int>(),
                    bill->columnTypes, windowsPathFromHost((folder / "Bill template.vns").string()),
                    Ktx_StringArray{"Project"}, Ktx_StringArray{"Hall 3"});
    if (ready == Acad::eOk) bill->output(output);
    acTransactionManager()->endTransaction();
    // The window shows the finished bill until it is closed.
    winRunMessageLoop([&] { return !output.holder()->window(); });
    outcome.ended = ready == Acad::eOk && output.saved() ? "OK" : "failed";
    outcome.data = {{"bill", out.string()}, {"rows", output.rowsWritten()}};
    return outcome;
}

}  // namespace

const std::vector<Scenario>& spreadScenarios() {
    static const std::vector<Scenario> scenarios = {
        {"find", "Find and replace",
         "The find / replace dialog on the example standard's sheet: find next (with the "
         "question whether to go on from the first cell), replace, replace all.",
         runFind},
        {"font", "Font and colours",
         "The font and colours dialog on the first three cells of the example standard's "
         "sheet; OK applies the choice.",
         runFont},
        {"preview", "Print preview",
         "The print preview of the example standard's sheet: pages, zoom, and Setup for the "
         "header and footer legend.",
         runPreview},
        {"legend", "Header and footer legend",
         "The header and footer legend dialog for the example standard's sheet, with an "
         "example legend.",
         runLegend},
        {"bill", "Bill output",
         "The example end-plate bill fed through the bill output: the window shows the bill "
         "with a picture of each part, saved with its variables.",
         runBill},
    };
    return scenarios;
}
