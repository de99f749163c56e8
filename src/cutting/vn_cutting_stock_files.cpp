// The file operations of VnCuttingStockModel: saving and loading one table, and the two
// batch commands.
#include <algorithm>
#include <ctime>

#include "command_line.h"
#include "csp_files.h"
#include "dial_string.h"
#include "file_chooser.h"
#include "file_ops.h"
#include "message_box.h"
#include "vn_cutting_stock_model.h"

namespace {

const std::string kReportRule(116, '-');

VnCspFileRequest fileRequest(bool save, VnCspTableKind kind, const Ktx_String& startName) {
    const Ktx_String extension = cspExtension(kind);
    const int filterText =
        kind == VnCspTableKind::Shop ? csp_text::kShopFilter : csp_text::kBuyFilter;
    VnCspFileRequest request;
    request.save = save;
    request.title = dialString(save ? csp_text::kSaveTitle : csp_text::kOpenTitle);
    request.filter = dialString(filterText) + " (*." + extension + ")|*." + extension + "||";
    request.defaultExtension = extension;
    request.startName = startName;
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | (save ? 0 : OFN_FILEMUSTEXIST);
    return request;
}

Ktx_String quoted(const Ktx_String& text) {
    return "\"" + text + "\"";
}

Ktx_String reportTime(std::time_t modified) {
    std::tm local{};
    char text[128] = {};
    if (localtime_r(&modified, &local) == nullptr) return "";
    std::strftime(text, sizeof text, "%d %B, %Y (%H:%M)", &local);
    return text;
}

bool isFileTable(VnCspTableKind kind) {
    return kind == VnCspTableKind::Shop || kind == VnCspTableKind::Buy;
}

}  // namespace

bool VnCuttingStockModel::saveTable(VnCspTableKind kind, bool ask) {
    if (!isFileTable(kind) || shownId_ < 0) return false;
    storeGrids();
    return saveEntryTable(selected_, kind, ask);
}

bool VnCuttingStockModel::saveEntryTable(int index, VnCspTableKind kind, bool ask) {
    if (index < 0 || index >= data_.entryIds.length() || index >= data_.entryNames.length())
        return false;
    // A table that could not be read back as saved is refused before the user picks a name.
    const VnCspTable table = cspTable(data_, kind);
    const VnCspRows rows = cspRowsOf(table.ids, table.rows, data_.entryIds[index]);
    int row = 0, cell = 0;
    if (cspFindSeparatorInCells(rows, row, cell)) {
        AfxMessageBox(dialString(csp_text::kCellHoldsSeparator).c_str(),
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const Ktx_String folder = cspEntryFolder(data_.entryNames[index]);
    ObjectExportCreateDirectory(folder);
    const Ktx_String extension = cspExtension(kind);
    Ktx_String path = cspDefaultSaveName(folder, extension);
    if (ask) {
        const auto chosen = chooser_.choose(fileRequest(true, kind, path));
        if (!chosen) return false;
        path = *chosen;
    }
    if (!cspWriteTableFile(cspWithExtension(path, extension), rows)) {
        acutPrintf("Save failed\n");
        return false;
    }
    return true;
}

bool VnCuttingStockModel::loadTable(VnCspTableKind kind) {
    if (!isFileTable(kind) || shownId_ < 0 || selected_ >= data_.entryNames.length()) return false;
    storeGrids();
    const Ktx_String folder = cspEntryFolder(data_.entryNames[selected_]);
    ObjectExportCreateDirectory(folder);
    const Ktx_String extension = cspExtension(kind);
    Ktx_String start = folder + "*." + extension;
    std::time_t modified = 0;
    cspNewestFile(folder, extension, start, modified);
    const auto chosen = chooser_.choose(fileRequest(false, kind, start));
    if (!chosen) return false;
    VnCspRows rows;
    if (!cspReadTableFile(cspWithExtension(*chosen, extension), rows)) {
        acutPrintf("Load failed\n");
        return false;
    }
    cspStoreRows(cspTable(data_, kind), shownId_, rows);
    gridSlot(kind) = rows;
    return true;
}

int VnCuttingStockModel::saveAllShopTables(bool askEach) {
    storeGrids();
    int saved = 0;
    for (int i = 0; i < data_.entryIds.length(); ++i)
        if (saveEntryTable(i, VnCspTableKind::Shop, askEach)) ++saved;
    return saved;
}

void VnCuttingStockModel::reportNewest(int index, VnCspTableKind kind, Ktx_StringArray& listing) {
    const bool shop = kind == VnCspTableKind::Shop;
    const Ktx_String name = data_.entryNames[index];
    Ktx_String file;
    std::time_t modified = 0;
    VnCspRows rows;
    if (!cspNewestFile(cspEntryFolder(name), cspExtension(kind), file, modified) ||
        !cspReadTableFile(file, rows)) {
        listing.append(dialString(shop ? csp_text::kNoShopFile : csp_text::kNoBuyFile) + " " +
                       dialString(csp_text::kFor) + " " + quoted(name) + ".");
        return;
    }
    cspStoreRows(cspTable(data_, kind), data_.entryIds[index], rows);
    listing.append(dialString(shop ? csp_text::kLoadedShop : csp_text::kLoadedBuy) + " " +
                   quoted(getFileName(file)) + " " + dialString(csp_text::kFor) + " " +
                   quoted(name) + " " + dialString(csp_text::kOf) + reportTime(modified));
}

Ktx_StringArray VnCuttingStockModel::loadNewestAndReport() {
    storeGrids();
    Ktx_StringArray listing;
    listing.append(kReportRule);
    const int entries = std::min(data_.entryIds.length(), data_.entryNames.length());
    for (int i = 0; i < entries; ++i) {
        reportNewest(i, VnCspTableKind::Shop, listing);
        listing.append("");
        reportNewest(i, VnCspTableKind::Buy, listing);
        listing.append(kReportRule);
    }
    show(selected_);
    return listing;
}
