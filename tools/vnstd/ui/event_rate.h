#pragma once
// EventRate: the page's rate bound. At most `perSecond` events are taken in any window of one
// second; an event over the bound is refused and not counted. Callers pass the time, so the
// bound is tested without waiting.
#include <chrono>
#include <cstddef>
#include <deque>

class EventRate {
  public:
    using Clock = std::chrono::steady_clock;
    explicit EventRate(std::size_t perSecond) : limit_(perSecond) {}

    bool take(Clock::time_point now) {
        while (!recent_.empty() && now - recent_.front() >= std::chrono::seconds(1))
            recent_.pop_front();
        if (recent_.size() >= limit_) return false;
        recent_.push_back(now);
        return true;
    }

  private:
    std::size_t limit_;
    std::deque<Clock::time_point> recent_;
};
