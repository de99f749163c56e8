#include <string>

#include "commands.h"
#include "ktx_string_array.h"
#include "option_parser.h"
#include "spread_exports.h"

namespace {

void printLine(std::FILE* out, const Ktx_StringArray& texts) {
    for (int i = 0; i < texts.length(); ++i) {
        if (i > 0) std::fputc('\t', out);
        std::fwrite(texts[i].c_str(), 1, static_cast<size_t>(texts[i].length()), out);
    }
    std::fputc('\n', out);
}

}  // namespace

// vnstd sheet read FILE: prints what the module's spreadsheet-file reader gives: the first
// cell's data text, then the column headers, then every row, one line each, tab-separated.
int runSheetReadCommand(const CliContext& context, const std::vector<std::string>& args) {
    OptionParser parser("sheet read");
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.positional().size() != 1) return cliUsageError(context, "sheet read takes one FILE");
    const std::string& file = parser.positional()[0];
    Ktx_String first;
    Ktx_StringArray headers;
    Ktx_Array<Ktx_StringArray> rows;
    if (!readSpreadsheetFile(Ktx_String(file), first, headers, rows))
        return cliFailure(context, file + ": the spreadsheet file cannot be loaded");
    printLine(context.out, Ktx_StringArray({first}));
    printLine(context.out, headers);
    for (const Ktx_StringArray& row : rows) printLine(context.out, row);
    return 0;
}
