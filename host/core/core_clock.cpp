#include "core_clock.h"

#include <chrono>

namespace {

struct ClockSources {
    std::function<std::time_t()> time;
    std::function<double()> steady;
};

ClockSources& sources() {
    static ClockSources s;
    return s;
}

}  // namespace

std::time_t coreCurrentTime() {
    return sources().time ? sources().time() : std::time(nullptr);
}

double coreSteadySeconds() {
    if (sources().steady) return sources().steady();
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void setCoreTimeSource(std::function<std::time_t()> source) {
    sources().time = std::move(source);
}

void setCoreSteadySource(std::function<double()> source) {
    sources().steady = std::move(source);
}

void resetCoreClock() {
    sources() = ClockSources{};
}
