#pragma once

#include "Cancellable.h"
#include "Time.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace glowdeck {

// Delayed tasks and repeating timers due at monotonic times: the timing half of an event loop.
class TimerQueue {
public:
    struct Scheduled {
        Duration interval{}; // zero for a one-shot task
        Duration tolerance{};
        MonoTime next;
        std::uint64_t order = 0;
        std::function<void()> run;
        bool cancelled = false;
    };

    Handle add(MonoTime due, Duration interval, Duration tolerance, std::function<void()> run);

    // The earliest due time of anything still scheduled.
    std::optional<MonoTime> nextDue() const;

    // Runs the earliest entry due at or before `now`, if any, and reports whether one ran.
    // `setTime` is told the entry's due time first (a virtual clock moves to it).
    bool runOne(MonoTime now, const std::function<void(MonoTime)>& setTime = {});

    // Active entries (tasks not yet run and timers not cancelled).
    std::size_t size() const;

    // The entries themselves, for tests that inspect intervals and tolerances.
    std::vector<std::shared_ptr<const Scheduled>> entries() const;

private:
    void prune();
    std::vector<std::shared_ptr<Scheduled>> entries_;
    std::uint64_t order_ = 0;
};

} // namespace glowdeck
