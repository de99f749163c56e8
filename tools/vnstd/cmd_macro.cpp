#include "commands.h"

int runMacroCommand(const CliContext& context, const std::vector<std::string>& /*args*/) {
    return cliNotAvailable(context, "macro");
}

int runMappingCommand(const CliContext& context, const std::vector<std::string>& /*args*/) {
    return cliNotAvailable(context, "mapping");
}
