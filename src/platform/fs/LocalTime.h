#pragma once
// The host's local time, for times written into names and reports.

#include <ctime>

namespace decalia::fs {

// The calendar time in the host's time zone; safe to call from any thread.
std::tm LocalTime(std::time_t when);

}  // namespace decalia::fs
