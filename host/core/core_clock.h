#pragma once
// The Core library's clock: the date and time of day (bills stamp dates) and a steady second
// count (timers). By default both come from the system; tests set either to fixed values.
#include <cstdint>
#include <ctime>
#include <functional>

// Seconds since the epoch, as time() gives them.
std::time_t coreCurrentTime();
// A steady count of seconds (any origin) for measuring durations.
double coreSteadySeconds();

// Lap ticks: the cheapest steady count the machine has, for timers that read the clock around
// many short steps. On x86 it is the processor's time-stamp counter (a third of the cost of
// the steady clock in a virtual machine); elsewhere, and while a steady source is installed,
// it is nanoseconds of the steady seconds. Only differences mean anything; coreTickSeconds
// turns a difference into seconds (for the counter, by the rate measured against the steady
// clock since the first tick was read).
std::int64_t coreLapTicks();
double coreTickSeconds(std::int64_t ticks);

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define VN_HAS_TSC 1  // laps read the processor's time-stamp counter
namespace core_clock_detail {
// True while laps read the time-stamp counter directly: no steady source is installed and the
// counter's origin has been taken. Read inline by every lap tick, set only by the clock.
extern bool counterLapsReady;
}  // namespace core_clock_detail

// The usual lap tick costs no call: the counter itself.
inline std::int64_t coreLapTicksInline() {
    if (core_clock_detail::counterLapsReady) [[likely]]
        return static_cast<std::int64_t>(__rdtsc());
    return coreLapTicks();
}
#else
inline std::int64_t coreLapTicksInline() {
    return coreLapTicks();
}
#endif

// Installs a date and time source / a steady-seconds source (an empty function restores the
// system's).
void setCoreTimeSource(std::function<std::time_t()> source);
void setCoreSteadySource(std::function<double()> source);
// Both back to the system's.
void resetCoreClock();
