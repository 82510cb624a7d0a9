#pragma once

#include "model/EventLoop.h"

namespace glowdeck {

// The core's event facilities on the Qt event loop of the calling (main) thread.
//
// Timers: after() is a single-shot Qt::PreciseTimer. every() runs tick n at start + n * interval,
// never before: a single-shot QTimer armed for each tick, whose type follows the tolerance the
// caller allows. With a tolerance of at least 5 % of the interval it is a Qt::CoarseTimer (Qt lets
// those fire within 5 % of the interval either way; one that fires early is followed up by a
// precise one for the rest), otherwise a Qt::PreciseTimer. Ticks missed altogether, as across a
// suspend, are skipped rather than made up. Delays are rounded up to whole milliseconds.
//
// Watches: watchReadable() is a QSocketNotifier of type Read (level-triggered). Cancelling it
// disables and deletes the notifier before running the cancel handler, so the handler may close
// the descriptor at once.
//
// Every handle cancels on destruction; a handle may be cancelled or destroyed from inside its
// own callback.
class QtEventLoop : public EventLoop {
public:
    WallTime now() const override;
    MonoTime monotonicNow() const override;
    Handle after(Duration delay, std::function<void()> task) override;
    Handle every(Duration interval, Duration tolerance, std::function<void()> tick) override;
    Handle watchReadable(int fd, std::function<void()> onReadable,
                         std::function<void()> onCancel) override;

    // The timer type every() picks for an interval and tolerance: true for a coarse timer.
    static bool coarseFor(Duration interval, Duration tolerance);
};

} // namespace glowdeck
