#include "commands.h"

// With no arguments at all this is the program's main job; until the evaluation exists it
// does nothing and succeeds.
int runEvalCommand(const CliContext& context, const std::vector<std::string>& args) {
    if (context.bareRun) return 0;
    (void)args;
    return cliNotAvailable(context, "eval");
}
