// Running out of memory ends the program with a message and exit code 1 (never an abort
// with a core dump): a huge or crafted input must fail like any other bad input.
#pragma once

namespace vnstd {

// Makes every failed allocation print "vnstd: out of memory" to stderr and exit with 1.
void installOutOfMemoryHandler();

}  // namespace vnstd
