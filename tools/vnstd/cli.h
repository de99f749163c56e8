#pragma once
// The command-line program's entry: parses the arguments, runs one subcommand and returns the
// process exit code (0 success, 1 the command failed, 2 a usage error).
namespace vnstd {
int runCli(int argc, char** argv);
}
