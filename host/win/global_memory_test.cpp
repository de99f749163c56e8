#include "global_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

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
    // A new block never takes the freed handle's value, though it reuses its memory, and the
    // stale handle still reaches nothing.
    HGLOBAL again = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_NE(again, h);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalFree(h), h);
    EXPECT_NE(GlobalLock(again), nullptr);
    // Nor does a value that was never a handle.
    EXPECT_EQ(GlobalSize(reinterpret_cast<HGLOBAL>(reinterpret_cast<UINT_PTR>(again) + 1)), 0u);
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

// Blocks are found by handle through a table that grows and closes the gaps freed blocks
// leave: after many blocks of both sizes (kept in the record or stored apart) are made and
// freed in a mixed order, every live block still holds its own bytes, every freed handle
// fails, and a reused record starts zero-filled.
TEST_F(GlobalMemory, ManyBlocksFreedInMixedOrderKeepTheirOwnContent) {
    std::vector<std::pair<HGLOBAL, std::string>> live;
    for (int i = 0; i < 600; ++i) {
        const std::string text =
            std::to_string(i) + std::string(static_cast<std::size_t>(i % 7 == 0 ? 90 : 3), 'x');
        HGLOBAL h = GlobalAlloc(GHND, text.size() + 1);
        std::memcpy(GlobalLock(h), text.c_str(), text.size());
        GlobalUnlock(h);
        live.emplace_back(h, text);
    }
    std::vector<HGLOBAL> freed;
    for (std::size_t i = 0; i < live.size();) {
        if (i % 3 != 1) {
            ++i;
            continue;
        }
        ASSERT_EQ(GlobalFree(live[i].first), nullptr);
        freed.push_back(live[i].first);
        live.erase(live.begin() + static_cast<std::ptrdiff_t>(i));
    }
    for (int i = 0; i < 100; ++i) {
        HGLOBAL h = GlobalAlloc(GHND, 100);
        const char* p = static_cast<const char*>(GlobalLock(h));
        EXPECT_EQ(std::string(p, 100), std::string(100, '\0'));
        GlobalUnlock(h);
        live.emplace_back(h, "");
    }
    for (const auto& [h, text] : live) {
        const char* p = static_cast<const char*>(GlobalLock(h));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(std::string(p), text);
        GlobalUnlock(h);
    }
    for (HGLOBAL h : freed) EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(globalMemoryLiveBlocks(), static_cast<int>(live.size()));
    EXPECT_EQ(globalMemoryMisuses(), static_cast<int>(freed.size()));
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

// The one-step text blocks of the grid's custom-function values behave as the calls they
// stand for: a NUL-terminated copy that the Win calls read back, the text up to the first NUL,
// and no block left behind when a step is made to fail.
TEST_F(GlobalMemory, TextBlocksMatchAllocLockAndCopy) {
    const std::string longText(300, 'x');  // beyond the bytes a record holds itself
    for (const std::string& text : {std::string("M20"), std::string(), longText}) {
        HGLOBAL h = globalMemoryTextBlock(text);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(GlobalSize(h), text.size() + 1);
        EXPECT_STREQ(static_cast<const char*>(GlobalLock(h)), text.c_str());
        EXPECT_EQ(GlobalUnlock(h), FALSE);  // the block was left unlocked
        EXPECT_EQ(globalMemoryText(h), text);
        EXPECT_EQ(GlobalFree(h), nullptr);
    }
    HGLOBAL h = GlobalAlloc(GHND, 8);
    std::memcpy(GlobalLock(h), "ab\0cd", 5);
    GlobalUnlock(h);
    EXPECT_EQ(globalMemoryText(h), "ab");
    GlobalFree(h);
    EXPECT_EQ(globalMemoryText(h), "");  // freed: counted as a misuse
    EXPECT_EQ(globalMemoryMisuses(), 1);

    winFailNext(WinFailure::GlobalAlloc);
    EXPECT_EQ(globalMemoryTextBlock("a"), nullptr);
    winFailNext(WinFailure::GlobalLock);
    EXPECT_EQ(globalMemoryTextBlock("a"), nullptr);
    EXPECT_EQ(globalMemoryLiveBlocks(), 0);
    h = globalMemoryTextBlock("a");
    winFailNext(WinFailure::GlobalLock);
    EXPECT_EQ(globalMemoryText(h), "");
    EXPECT_EQ(globalMemoryText(h), "a");
    GlobalFree(h);
}

}  // namespace
