#include "ktx_timer.h"

#include "core_clock.h"

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
