#include "ConfigRequests.h"

namespace glowdeck {

ConfigRequests::ConfigRequests(EventLoop& loop, Ask ask) : loop_(loop), ask_(std::move(ask)) {}

void ConfigRequests::add(const std::string& ip) {
    if (!queued_.insert(ip).second)
        return;
    waiting_.push_back(ip);
    schedule();
}

bool ConfigRequests::takeFallback(const std::string& ip) {
    return sent_.contains(ip) && fellBack_.insert(ip).second;
}

void ConfigRequests::setActive(bool active) {
    active_ = active;
    if (active)
        schedule();
    else
        task_.reset();
}

void ConfigRequests::stop() {
    active_ = false;
    task_.reset();
    waiting_.clear();
}

void ConfigRequests::schedule() {
    if (!active_ || waiting_.empty() || (task_ && task_->active()))
        return;
    Duration delay = Duration::zero();
    if (lastAsk_) {
        const auto due = *lastAsk_ + spacing;
        const auto now = loop_.monotonicNow();
        if (due > now)
            delay = std::chrono::duration_cast<Duration>(due - now);
    }
    task_ = loop_.after(delay, [this] { askNext(); });
}

void ConfigRequests::askNext() {
    if (!active_ || waiting_.empty())
        return;
    std::string ip = std::move(waiting_.front());
    waiting_.pop_front();
    lastAsk_ = loop_.monotonicNow();
    sent_.insert(ip);
    ask_(ip);
    schedule();
}

} // namespace glowdeck
