#include "global_memory.h"

#include <gtest/gtest.h>

#include <cstring>

#include "failure_injection.h"
#include "win_driver.h"

namespace {

class GlobalMemory : public ::testing::Test {
  protected:
    void SetUp() override {
        globalMemoryReset();
        winClearFailures();
    }
};

TEST_F(GlobalMemory, StringSurvivesLockUnlockAndReallocation) {
    HGLOBAL h = GlobalAlloc(GHND, 6);
    ASSERT_NE(h, nullptr);
    std::memcpy(GlobalLock(h), "hello", 6);
    EXPECT_EQ(GlobalUnlock(h), FALSE);
    ASSERT_EQ(GlobalReAlloc(h, 12, GMEM_MOVEABLE), h);
    auto* p = static_cast<const char*>(GlobalLock(h));
    EXPECT_STREQ(p, "hello");
    EXPECT_EQ(p[11], 0);
    EXPECT_EQ(GlobalSize(h), 12u);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(globalMemoryLiveBlocks(), 0);
}

TEST_F(GlobalMemory, DoubleFreeAndStaleHandlesFailCleanly) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalFree(h), h);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(globalMemoryMisuses(), 3);
    // A new block never takes the freed handle's value.
    EXPECT_NE(GlobalAlloc(GMEM_MOVEABLE, 4), h);
}

TEST_F(GlobalMemory, LockCountsNestAndLockedBlockIsNotResized) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    GlobalLock(h);
    GlobalLock(h);
    EXPECT_EQ(GlobalReAlloc(h, 8, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalUnlock(h), TRUE);
    EXPECT_EQ(GlobalUnlock(h), FALSE);
    EXPECT_EQ(GlobalUnlock(h), FALSE);
    EXPECT_EQ(GlobalSize(h), 4u);
}

TEST_F(GlobalMemory, InjectedFailuresFailOnceThenRecover) {
    winFailNext(WinFailure::GlobalAlloc);
    EXPECT_EQ(GlobalAlloc(GHND, 4), nullptr);
    HGLOBAL h = GlobalAlloc(GHND, 4);
    ASSERT_NE(h, nullptr);
    winFailNext(WinFailure::GlobalLock);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_NE(GlobalLock(h), nullptr);
}

}  // namespace
