#include "commands.h"

int runSheetCommand(const CliContext& context, const std::vector<std::string>& /*args*/) {
    return cliNotAvailable(context, "sheet");
}
