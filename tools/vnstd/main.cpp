// vnstd: the standards module from a shell. See cli.h for the commands.
#include "cli.h"
#include "out_of_memory.h"

int main(int argc, char** argv) {
    vnstd::installOutOfMemoryHandler();
    return vnstd::runCli(argc, argv);
}
