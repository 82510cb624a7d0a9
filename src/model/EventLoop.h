#pragma once

#include "Cancellable.h"
#include "Time.h"

#include <functional>

namespace glowdeck {

// The main-thread event facilities the core needs. Every callback runs on the loop's thread,
// and a loop outlives every handle it gave out.
class EventLoop {
public:
    virtual ~EventLoop() = default;

    virtual WallTime now() const = 0;
    virtual MonoTime monotonicNow() const = 0;

    // Runs `task` once, `delay` from now, unless cancelled first.
    virtual Handle after(Duration delay, std::function<void()> task) = 0;

    // Runs `tick` every `interval`, keeping its phase: tick n is due at start + n * interval
    // and may run up to `tolerance` late.
    virtual Handle every(Duration interval, Duration tolerance, std::function<void()> tick) = 0;

    // Runs `onReadable` whenever `fd` has data to read (level-triggered: it fires again for
    // what a pass leaves unread). Cancelling removes the watch, then runs `onCancel` once.
    virtual Handle watchReadable(int fd, std::function<void()> onReadable,
                                 std::function<void()> onCancel) = 0;
};

} // namespace glowdeck
