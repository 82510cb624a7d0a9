#include "TimerQueue.h"

#include <algorithm>

namespace glowdeck {

namespace {

class TimerHandle : public Cancellable {
public:
    explicit TimerHandle(std::weak_ptr<TimerQueue::Scheduled> entry) : entry_(std::move(entry)) {}
    ~TimerHandle() override { cancel(); }

    void cancel() override {
        if (auto entry = entry_.lock()) {
            entry->cancelled = true;
            entry->run = nullptr;
        }
    }

    bool active() const override {
        auto entry = entry_.lock();
        return entry && !entry->cancelled;
    }

private:
    std::weak_ptr<TimerQueue::Scheduled> entry_;
};

} // namespace

Handle TimerQueue::add(MonoTime due, Duration interval, Duration tolerance,
                       std::function<void()> run) {
    auto entry = std::make_shared<Scheduled>();
    entry->interval = interval;
    entry->tolerance = tolerance;
    entry->next = due;
    entry->order = order_++;
    entry->run = std::move(run);
    entries_.push_back(entry);
    return std::make_unique<TimerHandle>(entry);
}

std::optional<MonoTime> TimerQueue::nextDue() const {
    std::optional<MonoTime> earliest;
    for (const auto& entry : entries_)
        if (!entry->cancelled && (!earliest || entry->next < *earliest))
            earliest = entry->next;
    return earliest;
}

bool TimerQueue::runOne(MonoTime now, const std::function<void(MonoTime)>& setTime) {
    prune();
    std::shared_ptr<Scheduled> first;
    for (const auto& entry : entries_)
        if (entry->next <= now && (!first || entry->next < first->next ||
                                   (entry->next == first->next && entry->order < first->order)))
            first = entry;
    if (!first)
        return false;
    if (setTime)
        setTime(first->next);
    auto run = first->run; // the callback may cancel its own entry
    if (first->interval > Duration::zero()) {
        first->next += first->interval; // keeps the phase, however late this tick ran
        first->order = order_++;
    } else {
        first->cancelled = true;
        first->run = nullptr;
    }
    run();
    return true;
}

std::size_t TimerQueue::size() const {
    return static_cast<std::size_t>(std::count_if(
        entries_.begin(), entries_.end(), [](const auto& entry) { return !entry->cancelled; }));
}

std::vector<std::shared_ptr<const TimerQueue::Scheduled>> TimerQueue::entries() const {
    std::vector<std::shared_ptr<const Scheduled>> active;
    for (const auto& entry : entries_)
        if (!entry->cancelled)
            active.push_back(entry);
    return active;
}

void TimerQueue::prune() {
    std::erase_if(entries_, [](const auto& entry) { return entry->cancelled; });
}

} // namespace glowdeck
