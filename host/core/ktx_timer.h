#pragma once
// Ktx_Timer: an accumulating stop watch for steps that may nest (a step that runs again inside
// itself, as a child standard's steps run inside its parent's).
//
// start() begins a lap; end() ends the innermost running lap and counts it. Laps nest: a
// start() while running opens an inner lap and never discards the running one. Every ended
// lap is counted, and the total is the time during which at least one lap ran, so an outer
// lap's time covers the inner laps' (nested time is not counted twice). end() while stopped
// does nothing.
//
// abandon() ends the innermost lap without counting it (a step that failed); its time still
// counts towards the total. When it was the outermost lap, the timer stays marked running
// (isRunning) until the next start(), so the step that failed can be seen. Times come from the Core
// library's lap ticks (core_clock.h: the steady clock's, settable in tests, or a cheaper count).
#include <cstdint>

#include "core_clock.h"

class Ktx_Timer {
  public:
    // Called around every step of an evaluation, so kept inline.
    void start() {
        if (depth_ == 0) {
            lapStart_ = coreLapTicksInline();
            abandoned_ = false;
        }
        ++depth_;
    }
    void end() {
        if (depth_ == 0) return;
        ++count_;
        if (--depth_ == 0) addLapTime();
    }
    void abandon();
    // Total seconds during which any lap ran.
    double totalSeconds() const;
    // Number of ended laps (inner laps included).
    int count() const { return count_; }
    // True while a lap runs, and after an abandoned outermost lap until the next start().
    bool isRunning() const { return depth_ > 0 || abandoned_; }
    // Number of laps running now (one per nesting level).
    int depth() const { return depth_; }
    void reset();

  private:
    void addLapTime() {
        const std::int64_t lap = coreLapTicksInline() - lapStart_;
        total_ += lap > 0 ? lap : 0;
    }

    std::int64_t lapStart_ = 0;
    std::int64_t total_ = 0;  // lap ticks
    int count_ = 0;
    int depth_ = 0;
    bool abandoned_ = false;
};
