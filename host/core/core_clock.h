#pragma once
// The Core library's clock: the date and time of day (bills stamp dates) and a steady second
// count (timers). By default both come from the system; tests set either to fixed values.
#include <ctime>
#include <functional>

// Seconds since the epoch, as time() gives them.
std::time_t coreCurrentTime();
// A steady count of seconds (any origin) for measuring durations.
double coreSteadySeconds();

// Installs a date and time source / a steady-seconds source (an empty function restores the
// system's).
void setCoreTimeSource(std::function<std::time_t()> source);
void setCoreSteadySource(std::function<double()> source);
// Both back to the system's.
void resetCoreClock();
