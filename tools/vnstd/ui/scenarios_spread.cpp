// The spreadsheet scenarios of `vnstd ui`: the find / replace dialog on the example
// standard's sheet, and the bill output filling its window with the example bill.
#include <filesystem>

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

ScenarioOutcome runFind(const ScenarioPlace& place) {
    ScenarioOutcome outcome;
    VnBillGridHolder holder;
    Ktx_Spread* ss = holder.open() ? holder.getSSPointer() : nullptr;
    const fs::path sheet = fs::path(place.libraryDir) / "Connection Standards" / "EndPlate.vns";
    if (!ss || !SSLoadFromFile(ss->gridWindow(), sheet.string().c_str())) {
        outcome.ended = "failed";
        return outcome;
    }
    ::SetWindowText(holder.window(), "EndPlate.vns");
    ss->fitToTexts();
    SSSetActiveCell(ss->gridWindow(), 1, 1);
    ss->showFindDialog(true);
    // Until the find dialog (or the sheet's window) is closed.
    winRunMessageLoop([&] { return !holder.window() || !ss->findDialog(); });
    int col = 0;
    int row = 0;
    if (holder.window()) ss->getActiveCell(col, row);
    outcome.ended = "OK";
    outcome.data = {{"sheet", sheet.string()},
                    {"activeCell", {col, row}},
                    {"cells", holder.window() ? gridCells(*ss) : json::array()}};
    return outcome;
}

ScenarioOutcome runBill(const ScenarioPlace& place) {
    ScenarioOutcome outcome;
    const fs::path folder = fs::path(place.libraryDir) / "Bills";
    std::string error;
    const std::optional<std::string> feed = gridReadFile((folder / "EndPlate bill.tsv").string());
    std::optional<Ktx_Bill> bill = feed ? Ktx_Bill::fromFeed(*feed, error) : std::nullopt;
    if (!bill) {
        outcome.ended = "failed";
        return outcome;
    }
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
        {"bill", "Bill output",
         "The example end-plate bill fed through the bill output: the window shows the bill "
         "with a picture of each part, saved with its variables.",
         runBill},
    };
    return scenarios;
}
