#include "PollLoop.h"

#include <algorithm>
#include <poll.h>

namespace glowdeck {

Handle PollLoop::after(Duration delay, std::function<void()> task) {
    return timers_.add(monotonicNow() + delay, Duration::zero(), Duration::zero(), std::move(task));
}

Handle PollLoop::every(Duration interval, Duration tolerance, std::function<void()> tick) {
    return timers_.add(monotonicNow() + interval, interval, tolerance, std::move(tick));
}

Handle PollLoop::watchReadable(int fd, std::function<void()> onReadable,
                               std::function<void()> onCancel) {
    return watches_.add(fd, std::move(onReadable), std::move(onCancel));
}

void PollLoop::runOnce(Duration timeout) {
    auto now = monotonicNow();
    if (auto due = timers_.nextDue())
        timeout =
            std::clamp(std::chrono::duration_cast<Duration>(*due - now), Duration::zero(), timeout);

    std::vector<pollfd> fds;
    for (int fd : watches_.fds())
        fds.push_back({fd, POLLIN, 0});
    // Round up, so a timer due in under a millisecond does not spin.
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(timeout).count();
    int ready = ::poll(fds.data(), fds.size(), static_cast<int>(ms));
    if (ready > 0)
        for (const auto& entry : fds)
            if (entry.revents != 0)
                watches_.fire(entry.fd);

    now = monotonicNow();
    while (timers_.runOne(now)) {
    }
}

bool PollLoop::runUntil(const std::function<bool()>& done, Duration timeout) {
    const auto deadline = monotonicNow() + timeout;
    while (!done()) {
        auto left = deadline - monotonicNow();
        if (left <= Duration::zero())
            return false;
        runOnce(std::min<Duration>(left, std::chrono::milliseconds(50)));
    }
    return true;
}

void PollLoop::runFor(Duration duration) {
    runUntil([] { return false; }, duration);
}

} // namespace glowdeck
