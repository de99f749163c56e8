// vnstd: the standards module from a shell. See cli.h for the commands.
#include "cli.h"

int main(int argc, char** argv) {
    return vnstd::runCli(argc, argv);
}
