// Feeds arbitrary argument lists (bytes split at NUL) to the command-line program's option
// parser: the global options, the options of "vnstd eval", and the help test of a command.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cmd_eval_options.h"
#include "commands.h"
#include "option_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(static_cast<char>(data[i]));
    }
    bool version = false;
    std::string lib, registry, error;
    OptionParser global("vnstd");
    global.flag("--version", version)
        .value("--lib", lib)
        .value("--registry", registry)
        .stopAtFirstPositional();
    if (global.parse(args, error) && !global.positional().empty()) {
        const std::vector<std::string> rest(global.positional().begin() + 1,
                                            global.positional().end());
        cliAsksForHelp(rest);
        sheetUsage(rest);
    }
    EvalOptions options;
    parseEvalOptions(args, options, error);
    return 0;
}
