#pragma once

#include <chrono>

namespace glowdeck {

// Wall-clock time, as recorded in a bulb's lastSeen.
using WallClock = std::chrono::system_clock;
using WallTime = WallClock::time_point;

// Monotonic time, for delays and timers.
using MonoClock = std::chrono::steady_clock;
using MonoTime = MonoClock::time_point;

using Duration = std::chrono::nanoseconds;

} // namespace glowdeck
