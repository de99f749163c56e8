// vnstd sheet export FILE -o OUT.csv: the spreadsheet editor's "Export..." command on a sheet
// file: the file loaded into a grid of the module, written as CSV with the column headers
// as its first line.
#include <string>
#include <vector>

#include "commands.h"
#include "grid.h"
#include "option_parser.h"
#include "path_translation.h"
#include "spread_file_ops.h"
#include "vn_bill_grid_holder.h"

int runSheetExportCommand(const CliContext& context, const std::vector<std::string>& args) {
    std::string out;
    OptionParser parser("sheet export");
    parser.value("-o", out);
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.positional().size() != 1 || out.empty())
        return cliUsageError(context, "sheet export: give one sheet file and -o OUT.csv");
    const std::string& file = parser.positional()[0];
    VnBillGridHolder holder;
    Ktx_Spread* ss = holder.open() ? holder.getSSPointer() : nullptr;
    if (!ss) return cliFailure(context, "no grid window");
    if (!SSLoadFromFile(ss->gridWindow(), file.c_str())) {
        std::string message(static_cast<size_t>(SSGetLastLoadError(ss->gridWindow(), nullptr)),
                            '\0');
        SSGetLastLoadError(ss->gridWindow(), message.data());
        return cliFailure(context, file + ": " + message);
    }
    if (!spreadExportCsv(*ss, windowsPathFromHost(out)))
        return cliFailure(context, "cannot write '" + out + "'");
    return 0;
}
