#include "sheet_file_check.h"

#include <optional>

#include "grid_file_io.h"
#include "sheet_csv.h"
#include "sheet_file.h"

std::string sheetFileProblem(const std::string& hostPath) {
    const std::optional<std::string> text = gridReadFile(hostPath);
    if (!text) return hostPath + ": cannot read the file";
    if (text->empty()) return hostPath + ": the file is empty";
    std::string error;
    if (!SheetFile::looksLikeSheetFile(*text)) {
        const bool csv = SheetCsv::read(*text, false, error) != nullptr;
        return hostPath + ": not a sheet file" +
               (csv ? " (it reads as CSV: 'vnstd sheet convert " + hostPath +
                          " OUT.vns' makes a sheet file of it)"
                    : "");
    }
    if (!SheetFile::read(*text, error)) return hostPath + ": " + error;
    return std::string();
}
