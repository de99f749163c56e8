#include "cli.h"

#include <cstdio>
#include <cstring>

namespace vnstd {

int runCli(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vnstd %s\n", VN_VERSION);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::printf("usage: vnstd [--help] [--version] <command> [args]\n");
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "vnstd: unknown command '%s' (try --help)\n", argv[1]);
        return 2;
    }
    return 0;
}

}  // namespace vnstd
