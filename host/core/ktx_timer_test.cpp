#include "ktx_timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core_clock.h"

namespace {

class TimerClock : public testing::Test {
  protected:
    void SetUp() override {
        setCoreSteadySource([this] { return now; });
    }
    void TearDown() override { setCoreSteadySource(nullptr); }
    double now = 100.0;
};

TEST_F(TimerClock, NestedLapsAreCountedAndTheOuterTimeCoversTheInner) {
    Ktx_Timer timer;
    timer.start();  // outer lap at 100
    now = 101.0;
    timer.start();  // inner lap at 101
    now = 103.0;
    timer.end();  // inner ends at 103: counted, still running
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.count(), 1);
    now = 104.0;
    timer.start();  // a second inner lap
    now = 106.0;
    timer.end();
    now = 110.0;
    timer.end();  // outer ends at 110
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.count(), 3);
    EXPECT_DOUBLE_EQ(timer.totalSeconds(), 10.0);
    timer.end();  // stopped: nothing
    EXPECT_EQ(timer.count(), 3);
}

TEST_F(TimerClock, AnAbandonedOutermostLapStaysRunningUntilTheNextStart) {
    Ktx_Timer timer;
    timer.start();
    timer.start();
    now = 102.0;
    timer.abandon();  // inner step failed: not counted, the outer lap goes on
    EXPECT_EQ(timer.depth(), 1);
    now = 105.0;
    timer.abandon();
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.count(), 0);
    EXPECT_DOUBLE_EQ(timer.totalSeconds(), 5.0);
    timer.start();
    EXPECT_EQ(timer.depth(), 1);
    now = 106.0;
    timer.end();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.count(), 1);
    EXPECT_DOUBLE_EQ(timer.totalSeconds(), 6.0);
}

}  // namespace

// Without a steady source the timer counts the machine's cheap lap ticks; their rate is
// measured against the steady clock, so a lap around a sleep still reads as its seconds.
TEST(TimerSystemClock, ALapAroundASleepReadsAsItsSeconds) {
    resetCoreClock();
    Ktx_Timer timer;
    const double before = coreSteadySeconds();
    timer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    timer.end();
    const double elapsed = coreSteadySeconds() - before;
    EXPECT_GE(timer.totalSeconds(), 0.025);
    EXPECT_LE(timer.totalSeconds(), elapsed * 1.05);
}

// Laps that were reading the cheap ticks follow a steady source installed afterwards, and go
// back to the ticks when it is removed.
TEST(TimerSystemClock, ASourceInstalledAfterTheTicksWereReadTakesOverTheLaps) {
    resetCoreClock();
    Ktx_Timer warmUp;
    warmUp.start();
    warmUp.end();
    double now = 50.0;
    setCoreSteadySource([&now] { return now; });
    Ktx_Timer timer;
    timer.start();
    now = 52.5;
    timer.end();
    EXPECT_DOUBLE_EQ(timer.totalSeconds(), 2.5);
    resetCoreClock();
    timer.reset();
    timer.start();
    now = 1000.0;  // no longer read
    timer.end();
    EXPECT_LT(timer.totalSeconds(), 1.0);
}
