// SSExportToCsvFile: the grid's cells written as a CSV file.
#include "grid_file_io.h"
#include "sheet_csv.h"
#include "ss_access.h"
#include "ss_functions.h"

bool SSExportToCsvFile(HWND hWnd, const char* fileName, bool headerRow) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !fileName) return false;
    const std::string csv = SheetCsv::write(grid->sheet(), headerRow, SheetCsv::Content::Values);
    return gridWriteFileAtomically(fileName, csv);
}
