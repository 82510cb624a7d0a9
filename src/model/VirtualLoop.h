#pragma once

#include "EventLoop.h"
#include "ReadWatches.h"
#include "TimerQueue.h"

namespace glowdeck {

// An event loop on virtual time, for tests: nothing happens until the test advances the clock,
// and then everything due runs in order, each at its due time.
class VirtualLoop : public EventLoop {
public:
    // Starts the wall clock at a fixed, arbitrary date.
    VirtualLoop();

    WallTime now() const override;
    MonoTime monotonicNow() const override { return mono_; }
    Handle after(Duration delay, std::function<void()> task) override;
    Handle every(Duration interval, Duration tolerance, std::function<void()> tick) override;
    Handle watchReadable(int fd, std::function<void()> onReadable,
                         std::function<void()> onCancel) override;

    // Moves time forward by `by`, running everything that falls due on the way.
    void advance(Duration by);
    // Runs the readability handlers watching `fd`, once.
    void readable(int fd) { watches_.fire(fd); }

    // Scheduled tasks and timers that have not run or been cancelled.
    std::size_t scheduled() const { return timers_.size(); }
    std::vector<std::shared_ptr<const TimerQueue::Scheduled>> timers() const {
        return timers_.entries();
    }
    std::vector<int> watched() const { return watches_.fds(); }

private:
    MonoTime mono_;
    TimerQueue timers_;
    ReadWatches watches_;
};

} // namespace glowdeck
