#pragma once
// The command-line program's entry: parses the global options, loads the module as the host
// would, runs one subcommand, unloads the module, and returns the process exit code (0
// success, 1 the command failed, 2 a usage error).
//
//   vnstd [--lib DIR] [--registry FILE] [COMMAND [ARGS...]]
//   vnstd --help | --version
//
// Commands: sheet, macro, mapping, eval, comreg, cutting. With no command the main job runs (eval
// with no arguments).
namespace vnstd {
int runCli(int argc, char** argv);
}
