#include "clipboard.h"

#include <gtest/gtest.h>

#include <cstring>

#include "global_memory.h"
#include "registry_errors.h"
#include "win_driver.h"

namespace {

class ClipboardTest : public ::testing::Test {
  protected:
    void SetUp() override { clipboardResetForTests(); }
    void TearDown() override { clipboardResetForTests(); }
};

TEST_F(ClipboardTest, TextPutInComesOutWithItsBytes) {
    const int blocks = globalMemoryLiveBlocks();
    ASSERT_TRUE(clipboardSetText(nullptr, "1\t2,5\r\ncaf\xE9\t"));
    EXPECT_EQ(clipboardText(), "1\t2,5\r\ncaf\xE9\t");
    ASSERT_TRUE(clipboardSetText(nullptr, ""));  // the old block is freed
    EXPECT_EQ(clipboardText(), "");
    EXPECT_EQ(globalMemoryLiveBlocks(), blocks + 1);
}

TEST_F(ClipboardTest, SetAndGetNeedTheClipboardOpen) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 2);
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    GlobalFree(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_FALSE(clipboardSetText(nullptr, "x"));  // open elsewhere: nothing changes
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(clipboardText().has_value());
}

TEST_F(ClipboardTest, EmptyingFreesTheBlocks) {
    ASSERT_TRUE(clipboardSetText(nullptr, "abc"));
    const int blocks = globalMemoryLiveBlocks();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    CloseClipboard();
    EXPECT_EQ(globalMemoryLiveBlocks(), blocks - 1);
}

}  // namespace
