#include "out_of_memory.h"

#include <unistd.h>

#include <cstdlib>
#include <new>

namespace vnstd {

namespace {

// Allocates nothing: writes the fixed message straight to the error stream.
[[noreturn]] void outOfMemory() {
    static const char kMessage[] = "vnstd: out of memory\n";
    const ssize_t written = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    (void)written;
    std::_Exit(1);
}

}  // namespace

void installOutOfMemoryHandler() {
    std::set_new_handler(outOfMemory);
}

}  // namespace vnstd
