// The strict listener every test program runs under: these tests lean on it (the first
// leaves state behind that the second must not see when the program runs whole, in order).
#include <gtest/gtest.h>

#include "win_driver.h"

namespace {

TEST(StrictListener, ATestMayLeaveWindowsBoxesAndExpectedFailuresBehind) {
    winExpectUserFailures();
    CreateWindow(WC_STATIC, "left over", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                 nullptr);
    MessageBox(nullptr, "left over", "Test", MB_OK);
    winQueueMessageBoxAnswer(IDYES);
    winReportUserFailure("a step a person could not do");
    EXPECT_TRUE(winUserFailuresExpected());
}

TEST(StrictListener, TheNextTestStartsFromNothing) {
    EXPECT_TRUE(winTopLevelWindows().empty());
    EXPECT_TRUE(winMessageBoxes().empty());
    EXPECT_TRUE(winUserFailures().empty());
    EXPECT_FALSE(winUserFailuresExpected());
    EXPECT_EQ(MessageBox(nullptr, "Go on?", "Test", MB_YESNO), IDNO);  // default, not queued
}

}  // namespace
