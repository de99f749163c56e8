#include "live_source.h"

#include <utility>

namespace {

using namespace std::chrono_literals;
constexpr auto kTimerTick = 50ms;

}  // namespace

LiveSource::LiveSource(std::function<std::string()> snapshot) : snapshot_(std::move(snapshot)) {}

bool LiveSource::push(PageEvent event) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopped_ || events_.size() >= kMaxQueued || !rate_.take(now_())) return false;
    events_.push_back(std::move(event));
    changed_.notify_all();
    return true;
}

std::pair<long, std::string> LiveSource::state(long after, std::chrono::milliseconds wait) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, wait, [&] { return version_ > after || stopped_; });
    return {version_, published_};
}

void LiveSource::stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
}

bool LiveSource::stopped() {
    std::lock_guard<std::mutex> lock(mutex_);
    return stopped_;
}

size_t LiveSource::queued() {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_.size();
}

std::string LiveSource::lastRefusal() {
    std::lock_guard<std::mutex> lock(mutex_);
    return refusal_;
}

void LiveSource::publish() {
    std::string text = snapshot_ ? snapshot_() : std::string();
    std::lock_guard<std::mutex> lock(mutex_);
    if (text == published_ && version_ > 0) return;
    published_ = std::move(text);
    ++version_;
    changed_.notify_all();
}

void LiveSource::refuse(const std::string& why) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        refusal_ = why;
    }
    publish();
}

// Timers of live windows follow the wall clock: the virtual clock is moved on by the time
// that passed since the last look.
void LiveSource::runWallClockTimers() {
    auto now = std::chrono::steady_clock::now();
    auto passed = std::chrono::duration_cast<std::chrono::milliseconds>(now - clock_).count();
    clock_ = now;
    if (passed > 0 && winActiveTimerCount() > 0) {
        winAdvanceClock(static_cast<DWORD>(passed));
        publish();
    }
}

std::optional<PageEvent> LiveSource::waitForEvent() {
    publish();
    clock_ = std::chrono::steady_clock::now();
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait_for(lock, kTimerTick, [&] { return !events_.empty() || stopped_; });
            if (stopped_) return std::nullopt;
            if (!events_.empty()) {
                PageEvent e = std::move(events_.front());
                events_.pop_front();
                refusal_.clear();
                return e;
            }
            if (endWhenIdle_) return std::nullopt;
        }
        runWallClockTimers();
    }
}

std::optional<UserAction> LiveSource::next(HWND dialog) {
    while (std::optional<PageEvent> event = waitForEvent()) {
        std::string error;
        if (std::optional<UserAction> action = actionForEvent(*event, dialog, error)) return action;
        refuse(error);
    }
    return std::nullopt;
}

std::optional<UserAction> LiveSource::answer(const WinQuestion& question) {
    while (std::optional<PageEvent> event = waitForEvent()) {
        std::string error;
        if (std::optional<UserAction> a = answerForEvent(*event, question, error)) return a;
        refuse(error);
    }
    return std::nullopt;
}

void LiveSource::drain() {
    bool dropped = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dropped = !events_.empty();
        events_.clear();
    }
    if (dropped) refuse("no dialog is open");
}
