#include "timers.h"

#include <gtest/gtest.h>

#include <vector>

#include "win_driver.h"

namespace {

class Timers : public ::testing::Test {
  protected:
    void SetUp() override { winResetForTests(); }
};

std::vector<std::pair<UINT_PTR, DWORD>> gFired;
int gRearms = 0;

// Stops itself and starts a fresh timer until it has re-armed three times.
void CALLBACK rearming(HWND, UINT, UINT_PTR id, DWORD time) {
    gFired.emplace_back(id, time);
    KillTimer(nullptr, id);
    if (gRearms++ < 3) SetTimer(nullptr, 0, 50, rearming);
}

TEST_F(Timers, WindowlessTimerRearmsItselfWithFreshIds) {
    gFired.clear();
    gRearms = 0;
    DWORD start = GetTickCount();
    UINT_PTR first = SetTimer(nullptr, 0, 50, rearming);
    ASSERT_NE(first, 0u);
    winAdvanceClock(49);
    EXPECT_TRUE(gFired.empty());
    winAdvanceClock(1000);
    ASSERT_EQ(gFired.size(), 4u);
    EXPECT_EQ(gFired[0], std::make_pair(first, start + 50));
    for (size_t i = 1; i < gFired.size(); ++i) {
        EXPECT_NE(gFired[i].first, gFired[i - 1].first);
        EXPECT_EQ(gFired[i].second, start + 50 * (i + 1));
    }
    EXPECT_EQ(winActiveTimerCount(), 0);
}

TEST_F(Timers, WindowTimerPostsWmTimerEachPeriodUntilKilled) {
    struct Counter : CWnd {
        std::vector<UINT_PTR> ticks;
        void OnTimer(UINT_PTR id) override { ticks.push_back(id); }
    } counter;
    counter.CreateEx(0, WC_STATIC, "", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
    counter.SetTimer(7, 100);
    counter.SetTimer(7, 100);  // setting again restarts, it does not add a second timer
    winAdvanceClock(350);
    EXPECT_EQ(counter.ticks, (std::vector<UINT_PTR>{7, 7, 7}));
    EXPECT_TRUE(counter.KillTimer(7));
    EXPECT_FALSE(counter.KillTimer(7));
    winAdvanceClock(1000);
    EXPECT_EQ(counter.ticks.size(), 3u);
}

TEST_F(Timers, NoWindowAndNoProcedureStartsNothing) {
    EXPECT_EQ(SetTimer(nullptr, 5, 10, nullptr), 0u);
    EXPECT_EQ(winActiveTimerCount(), 0);
}

}  // namespace
