#include "cli_context.h"

#include "diagnostic_text.h"

int cliUsageError(const CliContext& context, const std::string& message) {
    std::fprintf(context.err, "vnstd: %s\nTry 'vnstd --help' for the commands and options.\n",
                 diagnosticEscape(message).c_str());
    return 2;
}

int cliFailure(const CliContext& context, const std::string& message) {
    // Messages quote file names and file contents: their control bytes are shown, not obeyed.
    std::fprintf(context.err, "vnstd: %s\n", diagnosticEscape(message).c_str());
    return 1;
}

int cliNotAvailable(const CliContext& context, const std::string& command) {
    std::fprintf(context.err, "vnstd: '%s' is not available yet\n", command.c_str());
    return 1;
}
