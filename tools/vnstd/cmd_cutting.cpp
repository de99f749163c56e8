// vnstd cutting list | show ENTRY | report: the cutting-stock tables of the library.
//
// The entries are the folders below the library's "Cutting Stock" folder, in name order, with
// ids 1, 2, ... as the Core library would hand them to the dialog. list prints each entry with
// its number of shop and buy files and the newest of each; show prints the newest shop and
// buy table of one entry; report runs the dialog's batch load and prints its listing.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "commands.h"
#include "csp_files.h"
#include "cutting_library.h"
#include "file_ops.h"
#include "file_search.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "text_table.h"
#include "vn_cutting_stock_model.h"

namespace {

const char* const kCuttingUsage = "usage: vnstd cutting list | show ENTRY | report\n";
const TextTableRow kShopHeader = {"SECTION", "LENGTH [mm]", "PIECES"};
const TextTableRow kBuyHeader = {"SECTION", "LENGTH [mm]", "MASS [kg]"};

// A chooser for commands that never ask.
class NoFileChooser : public VnCspFileChooser {
  public:
    std::optional<Ktx_String> choose(const VnCspFileRequest&) override { return std::nullopt; }
};

std::string newestName(const Ktx_String& folder, VnCspTableKind kind) {
    Ktx_String file;
    std::time_t modified = 0;
    if (!cspNewestFile(folder, cspExtension(kind), file, modified)) return "-";
    return getFileName(file).str();
}

int fileCount(const Ktx_String& folder, VnCspTableKind kind) {
    Ktx_StringArray files;
    ObjectExportFindFiles(folder, "*." + cspExtension(kind), files);
    return files.length();
}

int listEntries(const CliContext& context) {
    const DlgCSP2Data data = cuttingLibraryEntries();
    std::vector<TextTableRow> rows = {
        {"ID", "ENTRY", "SHOP FILES", "NEWEST SHOP", "BUY FILES", "NEWEST BUY"}};
    for (int i = 0; i < data.entryIds.length(); ++i) {
        const Ktx_String folder = cspEntryFolder(data.entryNames[i]);
        rows.push_back({std::to_string(data.entryIds[i]), data.entryNames[i].str(),
                        std::to_string(fileCount(folder, VnCspTableKind::Shop)),
                        newestName(folder, VnCspTableKind::Shop),
                        std::to_string(fileCount(folder, VnCspTableKind::Buy)),
                        newestName(folder, VnCspTableKind::Buy)});
    }
    printTextTable(context.out, rows);
    return 0;
}

void showNewest(const CliContext& context, const Ktx_String& folder, VnCspTableKind kind) {
    const bool shop = kind == VnCspTableKind::Shop;
    Ktx_String file;
    std::time_t modified = 0;
    VnCspRows rows;
    if (!cspNewestFile(folder, cspExtension(kind), file, modified) ||
        !cspReadTableFile(file, rows)) {
        std::fprintf(context.out, "%s table: no file\n", shop ? "Shop" : "Buy");
        return;
    }
    std::fprintf(context.out, "%s table: %s\n", shop ? "Shop" : "Buy", getFileName(file).c_str());
    std::vector<TextTableRow> lines = {shop ? kShopHeader : kBuyHeader};
    for (const Ktx_StringArray& row : rows) {
        TextTableRow line;
        for (const Ktx_String& cell : row) line.push_back(cell.str());
        lines.push_back(line);
    }
    printTextTable(context.out, lines);
}

int showEntry(const CliContext& context, const std::string& entry) {
    const DlgCSP2Data data = cuttingLibraryEntries();
    const int index = data.entryNames.find(entry, false);
    if (index < 0) return cliFailure(context, "no cutting-stock entry '" + entry + "'");
    const Ktx_String folder = cspEntryFolder(data.entryNames[index]);
    showNewest(context, folder, VnCspTableKind::Shop);
    std::fprintf(context.out, "\n");
    showNewest(context, folder, VnCspTableKind::Buy);
    return 0;
}

int reportNewest(const CliContext& context) {
    DlgCSP2Data data = cuttingLibraryEntries();
    NoFileChooser chooser;
    VnCuttingStockModel model(data, chooser);
    model.open();
    for (const Ktx_String& line : model.loadNewestAndReport())
        std::fprintf(context.out, "%s\n", line.c_str());
    return 0;
}

}  // namespace

std::string cuttingUsage(const std::vector<std::string>&) {
    return kCuttingUsage;
}

int runCuttingCommand(const CliContext& context, const std::vector<std::string>& args) {
    if (args.empty()) return cliUsageError(context, "cutting: give list, show ENTRY or report");
    if (args[0] == "--help" || args[0] == "-h")
        return std::fputs(kCuttingUsage, context.out) < 0 ? 1 : 0;
    if (args[0] == "list" && args.size() == 1) return listEntries(context);
    if (args[0] == "report" && args.size() == 1) return reportNewest(context);
    if (args[0] == "show" && args.size() == 2) return showEntry(context, args[1]);
    return cliUsageError(context, "cutting: give list, show ENTRY or report");
}
