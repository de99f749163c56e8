#include "ktx_timer.h"

#include "core_clock.h"

void Ktx_Timer::abandon() {
    if (depth_ == 0) return;
    if (--depth_ > 0) return;
    addLapTime();
    abandoned_ = true;
}

double Ktx_Timer::totalSeconds() const {
    return coreTickSeconds(total_);
}

void Ktx_Timer::reset() {
    *this = Ktx_Timer{};
}
