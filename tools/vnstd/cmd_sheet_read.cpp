#include "commands.h"

// vnstd sheet read FILE: prints what the module's spreadsheet-file reader gives.
int runSheetReadCommand(const CliContext& context, const std::vector<std::string>& /*args*/) {
    return cliNotAvailable(context, "sheet read");
}
