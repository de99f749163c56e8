#include "vn_calc_lap.h"

#include "calc_timers.h"
#include "vn_eval_report.h"

namespace {

const char* timerName(const Ktx_Timer& timer) {
    const VnNamedTimer* timers = calcTimers();
    for (int i = 0; i < kCalcTimerCount; ++i)
        if (timers[i].timer == &timer) return timers[i].name;
    return "";
}

}  // namespace

VnCalcLap::~VnCalcLap() {
    if (done_) return;
    timer_.abandon();
    VnEvalReport::stepFailed(timerName(timer_), file_.str());
}
