#include "QtEventLoop.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

namespace glowdeck {

namespace {

// Shared between a handle and the callback it installed: whether that callback is running, so
// that a cancel from inside it defers deleting the Qt object until control is back in the loop.
struct Firing {
    int depth = 0;
};

class FiringScope {
public:
    explicit FiringScope(Firing& firing) : firing_(firing) { ++firing_.depth; }
    ~FiringScope() { --firing_.depth; }
    FiringScope(const FiringScope&) = delete;
    FiringScope& operator=(const FiringScope&) = delete;

private:
    Firing& firing_;
};

void dispose(QObject* object, const Firing& firing) {
    QObject::disconnect(object, nullptr, nullptr, nullptr);
    if (firing.depth > 0) {
        object->deleteLater();
    } else {
        delete object;
    }
}

int milliseconds(Duration duration) {
    if (duration <= Duration::zero()) {
        return 0;
    }
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(duration).count();
    return static_cast<int>(std::min<decltype(ms)>(ms, INT_MAX));
}

class TimerHandle : public Cancellable {
public:
    TimerHandle(QTimer* timer, std::shared_ptr<Firing> firing)
        : timer_(timer), firing_(std::move(firing)) {}
    ~TimerHandle() override { cancel(); }
    TimerHandle(const TimerHandle&) = delete;
    TimerHandle& operator=(const TimerHandle&) = delete;

    void cancel() override {
        if (timer_ == nullptr) {
            return;
        }
        QTimer* timer = std::exchange(timer_, nullptr);
        timer->stop();
        dispose(timer, *firing_);
    }

    bool active() const override { return timer_ != nullptr && timer_->isActive(); }

private:
    QTimer* timer_;
    std::shared_ptr<Firing> firing_;
};

class WatchHandle : public Cancellable {
public:
    WatchHandle(QSocketNotifier* notifier, std::shared_ptr<Firing> firing,
                std::function<void()> onCancel)
        : notifier_(notifier), firing_(std::move(firing)), onCancel_(std::move(onCancel)) {}
    ~WatchHandle() override { cancel(); }
    WatchHandle(const WatchHandle&) = delete;
    WatchHandle& operator=(const WatchHandle&) = delete;

    void cancel() override {
        if (notifier_ == nullptr) {
            return;
        }
        QSocketNotifier* notifier = std::exchange(notifier_, nullptr);
        notifier->setEnabled(false);
        dispose(notifier, *firing_);
        if (auto onCancel = std::exchange(onCancel_, nullptr)) {
            onCancel();
        }
    }

    bool active() const override { return notifier_ != nullptr; }

private:
    QSocketNotifier* notifier_;
    std::shared_ptr<Firing> firing_;
    std::function<void()> onCancel_;
};

Handle makeTimer(int interval, bool singleShot, Qt::TimerType type, std::function<void()> task) {
    auto firing = std::make_shared<Firing>();
    auto* timer = new QTimer;
    timer->setSingleShot(singleShot);
    timer->setTimerType(type);
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, [firing, task = std::move(task)] {
        FiringScope scope(*firing);
        task();
    });
    timer->start();
    return std::make_unique<TimerHandle>(timer, std::move(firing));
}

// Qt fires a coarse timer anywhere within 5 % of its interval, early as well as late. Aim so
// that the early edge of that window is the due time when its late edge still falls within the
// tolerance; otherwise aim at the due time, and a wake-up that comes early waits out the rest.
void armRepeat(QTimer& timer, Duration left, bool coarse, Duration tolerance) {
    Duration delay = left;
    if (coarse && left * 20 / 19 * 21 / 20 - left <= tolerance) {
        delay = left * 20 / 19;
    }
    timer.setTimerType(coarse ? Qt::CoarseTimer : Qt::PreciseTimer);
    timer.start(milliseconds(delay));
}

} // namespace

WallTime QtEventLoop::now() const {
    return WallClock::now();
}

MonoTime QtEventLoop::monotonicNow() const {
    return MonoClock::now();
}

bool QtEventLoop::coarseFor(Duration interval, Duration tolerance) {
    return interval > Duration::zero() && tolerance * 20 >= interval;
}

Handle QtEventLoop::after(Duration delay, std::function<void()> task) {
    return makeTimer(milliseconds(delay), true, Qt::PreciseTimer, std::move(task));
}

Handle QtEventLoop::every(Duration interval, Duration tolerance, std::function<void()> tick) {
    if (interval <= Duration::zero()) {
        return makeTimer(0, false, Qt::PreciseTimer, std::move(tick));
    }
    // One single-shot timer, armed afresh for each tick at its due time.
    auto firing = std::make_shared<Firing>();
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    const bool coarse = coarseFor(interval, tolerance);
    auto due = std::make_shared<MonoTime>(MonoClock::now() + interval);
    QObject::connect(timer, &QTimer::timeout,
                     [firing, timer, due, interval, tolerance, coarse, tick = std::move(tick)] {
                         const MonoTime now = MonoClock::now();
                         if (now < *due) {
                             timer->setTimerType(Qt::PreciseTimer);
                             timer->start(milliseconds(*due - now));
                             return;
                         }
                         // Ticks missed altogether (the machine slept) are not made up.
                         while (*due <= now) {
                             *due += interval;
                         }
                         armRepeat(*timer, *due - now, coarse, tolerance);
                         FiringScope scope(*firing);
                         tick();
                     });
    armRepeat(*timer, interval, coarse, tolerance);
    return std::make_unique<TimerHandle>(timer, std::move(firing));
}

Handle QtEventLoop::watchReadable(int fd, std::function<void()> onReadable,
                                  std::function<void()> onCancel) {
    auto firing = std::make_shared<Firing>();
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated,
                     [firing, onReadable = std::move(onReadable)] {
                         FiringScope scope(*firing);
                         onReadable();
                     });
    return std::make_unique<WatchHandle>(notifier, std::move(firing), std::move(onCancel));
}

} // namespace glowdeck
