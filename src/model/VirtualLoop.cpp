#include "VirtualLoop.h"

namespace glowdeck {

namespace {
// 2026-01-01 00:00:00 UTC: any fixed date serves.
constexpr auto wallEpoch = std::chrono::seconds(1'767'225'600);
} // namespace

VirtualLoop::VirtualLoop() : mono_(std::chrono::hours(1)) {}

WallTime VirtualLoop::now() const {
    return WallTime(
        std::chrono::duration_cast<WallClock::duration>(wallEpoch + mono_.time_since_epoch()));
}

Handle VirtualLoop::after(Duration delay, std::function<void()> task) {
    return timers_.add(mono_ + delay, Duration::zero(), Duration::zero(), std::move(task));
}

Handle VirtualLoop::every(Duration interval, Duration tolerance, std::function<void()> tick) {
    return timers_.add(mono_ + interval, interval, tolerance, std::move(tick));
}

Handle VirtualLoop::watchReadable(int fd, std::function<void()> onReadable,
                                  std::function<void()> onCancel) {
    return watches_.add(fd, std::move(onReadable), std::move(onCancel));
}

void VirtualLoop::advance(Duration by) {
    const MonoTime target = mono_ + by;
    while (timers_.runOne(target, [this](MonoTime due) { mono_ = std::max(mono_, due); })) {
    }
    mono_ = target;
}

} // namespace glowdeck
