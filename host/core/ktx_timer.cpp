#include "ktx_timer.h"

#include "core_clock.h"

void Ktx_Timer::start() {
    lapStart_ = coreSteadySeconds();
    running_ = true;
}

void Ktx_Timer::end() {
    if (!running_) return;
    const double lap = coreSteadySeconds() - lapStart_;
    total_ += lap > 0.0 ? lap : 0.0;
    ++count_;
    running_ = false;
}

void Ktx_Timer::reset() {
    *this = Ktx_Timer{};
}
