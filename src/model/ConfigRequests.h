#pragma once

#include "EventLoop.h"

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>

namespace glowdeck {

// Asks devices for their configuration: each address at most once per run, one address per
// `spacing` so that a burst of new bulbs is asked at a steady pace, and only while active (the
// panel shown). `ask` sends the requests for one address.
class ConfigRequests {
public:
    static constexpr std::chrono::milliseconds spacing{10};
    using Ask = std::function<void(const std::string& ip)>;

    ConfigRequests(EventLoop& loop, Ask ask);

    // Queues `ip` unless it was queued before in this run.
    void add(const std::string& ip);
    // Whether `ip` was asked and has not had its fallback yet; marks the fallback as taken.
    bool takeFallback(const std::string& ip);
    bool asked(const std::string& ip) const { return sent_.contains(ip); }
    void setActive(bool active);
    void stop();

private:
    void schedule();
    void askNext();

    EventLoop& loop_;
    Ask ask_;
    std::deque<std::string> waiting_;
    std::unordered_set<std::string> queued_;
    std::unordered_set<std::string> sent_;
    std::unordered_set<std::string> fellBack_;
    bool active_ = false;
    Handle task_;
    std::optional<MonoTime> lastAsk_;
};

} // namespace glowdeck
