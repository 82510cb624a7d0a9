#pragma once

#include "EventLoop.h"
#include "ReadWatches.h"
#include "TimerQueue.h"

namespace glowdeck {

// A small real event loop over poll(2): for socket-level tests, the simulator and tools.
class PollLoop : public EventLoop {
public:
    WallTime now() const override { return WallClock::now(); }
    MonoTime monotonicNow() const override { return MonoClock::now(); }
    Handle after(Duration delay, std::function<void()> task) override;
    Handle every(Duration interval, Duration tolerance, std::function<void()> tick) override;
    Handle watchReadable(int fd, std::function<void()> onReadable,
                         std::function<void()> onCancel) override;

    // Waits at most `timeout` for one batch of events and handles it.
    void runOnce(Duration timeout);
    // Handles events until `done()` holds or `timeout` has passed; reports whether it held.
    bool runUntil(const std::function<bool()>& done, Duration timeout);
    // Handles events for `duration`.
    void runFor(Duration duration);

private:
    TimerQueue timers_;
    ReadWatches watches_;
};

} // namespace glowdeck
