#include "core_clock.h"

#include <chrono>
#include <cmath>

namespace {

struct ClockSources {
    std::function<std::time_t()> time;
    std::function<double()> steady;
};

ClockSources& sources() {
    static ClockSources s;
    return s;
}

// Whether a steady source is installed: read by every lap tick, so a plain flag rather than a
// look at the function object.
constinit bool steadySourceSet = false;

void updateCounterLapsReady();

double systemSteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::time_t coreCurrentTime() {
    return sources().time ? sources().time() : std::time(nullptr);
}

double coreSteadySeconds() {
    if (sources().steady) return sources().steady();
    return systemSteadySeconds();
}

void setCoreTimeSource(std::function<std::time_t()> source) {
    sources().time = std::move(source);
}

void setCoreSteadySource(std::function<double()> source) {
    sources().steady = std::move(source);
    steadySourceSet = static_cast<bool>(sources().steady);
    updateCounterLapsReady();
}

void resetCoreClock() {
    sources() = ClockSources{};
    steadySourceSet = false;
    updateCounterLapsReady();
}

namespace {

// The time-stamp counter and the steady clock read together once, when the first tick is
// read: the counter's rate is measured over everything since.
struct TickOrigin {
    std::int64_t ticks = 0;
    double seconds = 0.0;
    bool set = false;
};

constinit TickOrigin tickOrigin;

void updateCounterLapsReady() {
#ifdef VN_HAS_TSC
    core_clock_detail::counterLapsReady = !steadySourceSet && tickOrigin.set;
#endif
}

}  // namespace

#ifdef VN_HAS_TSC
bool core_clock_detail::counterLapsReady = false;
#endif

std::int64_t coreLapTicks() {
#ifdef VN_HAS_TSC
    if (!steadySourceSet) {
        const auto ticks = static_cast<std::int64_t>(__rdtsc());
        if (!tickOrigin.set) [[unlikely]] {
            tickOrigin = {ticks, systemSteadySeconds(), true};
            updateCounterLapsReady();
        }
        return ticks;
    }
#endif
    return std::llround(coreSteadySeconds() * 1e9);
}

double coreTickSeconds(std::int64_t ticks) {
#ifdef VN_HAS_TSC
    if (!steadySourceSet) {
        const TickOrigin& origin = tickOrigin;
        if (!origin.set) return 0.0;
        const auto sinceTicks =
            static_cast<double>(static_cast<std::int64_t>(__rdtsc()) - origin.ticks);
        const double sinceSeconds = systemSteadySeconds() - origin.seconds;
        if (sinceTicks <= 0.0 || sinceSeconds <= 0.0) return 0.0;
        return static_cast<double>(ticks) * (sinceSeconds / sinceTicks);
    }
#endif
    return static_cast<double>(ticks) / 1e9;
}
