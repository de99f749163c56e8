#include "cutting_library.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "csp_files.h"
#include "ktx_settings.h"
#include "path_translation.h"

DlgCSP2Data cuttingLibraryEntries() {
    DlgCSP2Data data;
    std::vector<std::string> names;
    std::error_code ec;
    const std::filesystem::path root = hostPath(gSettings.libDir + "Cutting Stock");
    for (const auto& item : std::filesystem::directory_iterator(root, ec))
        if (item.is_directory(ec)) names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        data.entryIds.append(data.entryIds.length() + 1);
        data.entryNames.append(name);
    }
    return data;
}

void cuttingLoadNewestTables(DlgCSP2Data& data) {
    for (int i = 0; i < data.entryIds.length(); ++i) {
        const Ktx_String folder = cspEntryFolder(data.entryNames[i]);
        for (VnCspTableKind kind : {VnCspTableKind::Shop, VnCspTableKind::Buy}) {
            Ktx_String file;
            std::time_t modified = 0;
            VnCspRows rows;
            if (cspNewestFile(folder, cspExtension(kind), file, modified) &&
                cspReadTableFile(file, rows))
                cspStoreRows(cspTable(data, kind), data.entryIds[i], rows);
        }
    }
}
