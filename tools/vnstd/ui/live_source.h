#pragma once
// LiveSource: the event source of a person at a browser. The server threads push what the
// person did (PageEvent) and read the published state; only the module's thread, inside a
// modal loop or a message box, takes the events, turns them into actions on the live windows
// and publishes the new state. So no server thread ever touches a window.
//
// Each publication gets the next version number; readers wait for a version newer than the
// one they have. Events are checked on the module thread when taken: one for a window that
// is gone, a window of another dialog, or the wrong kind for an open question is refused
// with a reason (lastRefusal) and nothing is done. While it waits, the live windows' timers
// run on the wall clock.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "event_rate.h"
#include "page_event.h"
#include "win_access.h"

class LiveSource : public EventSource {
  public:
    // `snapshot` builds the state text on the module thread (called before every wait).
    explicit LiveSource(std::function<std::string()> snapshot);

    // Server side (any thread).
    // False when the queue is full, more than kMaxPerSecond events came in the last second,
    // or the source stopped.
    bool push(PageEvent event);
    // The published state and its version; waits up to `wait` for one newer than `after`.
    std::pair<long, std::string> state(long after, std::chrono::milliseconds wait);
    // Ends every wait: the running dialogs end as cancelled, next() returns nullopt.
    void stop();
    bool stopped();
    size_t queued();

    // Module side.
    std::optional<UserAction> next(HWND dialog) override;
    const UserAction* peek() override { return nullptr; }
    std::optional<UserAction> answer(const WinQuestion& question) override;
    // Publishes the state now (after a scenario started or ended).
    void publish();
    // When true, next() returns nullopt as soon as the queue is empty (tests, --shot).
    void setEndWhenIdle(bool on) { endWhenIdle_ = on; }
    std::string lastRefusal();
    // Refuses what was queued while no dialog was open.
    void drain();

    static constexpr size_t kMaxQueued = 64;
    static constexpr size_t kMaxPerSecond = 30;
    // The clock of the rate bound (tests).
    void setClockForTests(std::function<EventRate::Clock::time_point()> now) {
        now_ = std::move(now);
    }

  private:
    std::optional<PageEvent> waitForEvent();
    void refuse(const std::string& why);
    void runWallClockTimers();

    std::function<std::string()> snapshot_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<PageEvent> events_;
    EventRate rate_{kMaxPerSecond};
    std::function<EventRate::Clock::time_point()> now_ = [] { return EventRate::Clock::now(); };
    long version_ = 0;
    std::string published_;
    std::string refusal_;
    bool stopped_ = false;
    bool endWhenIdle_ = false;
    std::chrono::steady_clock::time_point clock_ = std::chrono::steady_clock::now();
};
