#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace glowdeck {

// A payload-free "about to change" announcement with any number of observers. Observers may
// connect or disconnect while it is being emitted.
class ChangeSignal {
    struct Slots;

public:
    // Keeps one observer connected; disconnects it when destroyed.
    class Connection {
    public:
        Connection() = default;
        Connection(Connection&&) noexcept = default;
        Connection& operator=(Connection&& other) noexcept;
        ~Connection() { disconnect(); }
        void disconnect();

    private:
        friend class ChangeSignal;
        Connection(std::weak_ptr<Slots> slots, std::uint64_t id)
            : slots_(std::move(slots)), id_(id) {}
        std::weak_ptr<Slots> slots_;
        std::uint64_t id_ = 0;
    };

    ChangeSignal();
    [[nodiscard]] Connection connect(std::function<void()> observer);
    void notify() const;

private:
    struct Slots {
        std::vector<std::pair<std::uint64_t, std::function<void()>>> observers;
        std::uint64_t nextId = 1;
        int emitting = 0;
        bool hasGaps = false;
    };
    std::shared_ptr<Slots> slots_;
};

} // namespace glowdeck
