#include "out_of_memory.h"

#include <gtest/gtest.h>

#include <new>

namespace {

TEST(OutOfMemoryDeathTest, AFailedAllocationEndsWithAMessageAndExitCodeOne) {
    EXPECT_EXIT(
        {
            vnstd::installOutOfMemoryHandler();
            std::get_new_handler()();  // what operator new calls when no memory is left
        },
        ::testing::ExitedWithCode(1), "^vnstd: out of memory\n$");
}

}  // namespace
