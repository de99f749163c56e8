#include "ktx_timer.h"

#include "core_clock.h"

void Ktx_Timer::start() {
    if (depth_ == 0) {
        lapStart_ = coreLapTicks();
        abandoned_ = false;
    }
    ++depth_;
}

void Ktx_Timer::end() {
    if (depth_ == 0) return;
    ++count_;
    if (--depth_ == 0) addLapTime();
}

void Ktx_Timer::abandon() {
    if (depth_ == 0) return;
    if (--depth_ > 0) return;
    addLapTime();
    abandoned_ = true;
}

void Ktx_Timer::addLapTime() {
    const std::int64_t lap = coreLapTicks() - lapStart_;
    total_ += lap > 0 ? lap : 0;
}

double Ktx_Timer::totalSeconds() const {
    return coreTickSeconds(total_);
}

void Ktx_Timer::reset() {
    *this = Ktx_Timer{};
}
