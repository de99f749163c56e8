#include "csp_files.h"

#include <cctype>

#include "file_ops.h"
#include "file_search.h"
#include "ktx_settings.h"
#include "string_helpers.h"
#include "text_file.h"

namespace {

const Ktx_String kSeparator(&kCspCellSeparator, 1);

// The number of a name "Stock" + digits + "." + extension; -1 for any other name. Numbers
// too long to count are ignored.
long stockNumber(const Ktx_String& name, const Ktx_String& extension) {
    const Ktx_String suffix = "." + extension;
    if (!name.startsWith("Stock", false) || !name.endsWith(suffix, false)) return -1;
    const std::string digits =
        name.str().substr(5, static_cast<size_t>(name.length() - 5 - suffix.length()));
    if (digits.empty() || digits.size() > 9) return -1;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    return std::stol(digits);
}

}  // namespace

Ktx_String cspExtension(VnCspTableKind kind) {
    switch (kind) {
        case VnCspTableKind::Shop:
            return "shp";
        case VnCspTableKind::Buy:
            return "buy";
        case VnCspTableKind::First:
            break;
    }
    return "";
}

Ktx_String cspEntryFolder(const Ktx_String& entryName) {
    return gSettings.libDir + "Cutting Stock\\" + entryName + "\\";
}

Ktx_String cspDefaultSaveName(const Ktx_String& folder, const Ktx_String& extension) {
    long largest = 0;
    if (extension.length() != 3) {
        largest = -1;
    } else {
        Ktx_StringArray files;
        ObjectExportFindFiles(folder, "Stock*." + extension, files);
        for (const Ktx_String& file : files)
            largest = std::max(largest, stockNumber(getFileName(file), extension));
    }
    Ktx_String base = folder;
    if (!base.isEmpty() && !base.endsWith("\\") && !base.endsWith("/")) base += "\\";
    return base + "Stock" + Ktx_String(static_cast<int>(largest + 1)) + "." + extension;
}

bool cspNewestFile(const Ktx_String& folder, const Ktx_String& extension, Ktx_String& file,
                   std::time_t& modified) {
    Ktx_StringArray files;
    ObjectExportFindFiles(folder, "*." + extension, files);
    bool found = false;
    for (const Ktx_String& candidate : files) {
        std::time_t time = 0;
        if (!ObjectExportGetFileTime(candidate, time)) continue;
        if (found && time <= modified) continue;
        file = candidate;
        modified = time;
        found = true;
    }
    return found;
}

Ktx_String cspWithExtension(const Ktx_String& path, const Ktx_String& extension) {
    const Ktx_String suffix = "." + extension;
    return path.endsWith(suffix, true) ? path : path + suffix;
}

bool cspFindSeparatorInCells(const VnCspRows& rows, int& row, int& cell) {
    for (row = 0; row < rows.length(); ++row)
        for (cell = 0; cell < rows[row].length(); ++cell)
            if (rows[row][cell].contains(kSeparator, true)) return true;
    return false;
}

bool cspWriteTableFile(const Ktx_String& path, const VnCspRows& rows) {
    int row = 0, cell = 0;
    if (cspFindSeparatorInCells(rows, row, cell)) return false;
    return ObjectExportWriteFile(path, arrArrToArr(rows, kSeparator));
}

bool cspReadTableFile(const Ktx_String& path, VnCspRows& rows) {
    Ktx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    rows = arrToArrArr(lines, kSeparator);
    return true;
}
