#include "cli_context.h"

int cliUsageError(const CliContext& context, const std::string& message) {
    std::fprintf(context.err, "vnstd: %s\nTry 'vnstd --help' for the commands and options.\n",
                 message.c_str());
    return 2;
}

int cliFailure(const CliContext& context, const std::string& message) {
    std::fprintf(context.err, "vnstd: %s\n", message.c_str());
    return 1;
}

int cliNotAvailable(const CliContext& context, const std::string& command) {
    std::fprintf(context.err, "vnstd: '%s' is not available yet\n", command.c_str());
    return 1;
}
