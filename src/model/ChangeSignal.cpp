#include "ChangeSignal.h"

#include <algorithm>

namespace glowdeck {

ChangeSignal::ChangeSignal() : slots_(std::make_shared<Slots>()) {}

ChangeSignal::Connection ChangeSignal::connect(std::function<void()> observer) {
    auto id = slots_->nextId++;
    slots_->observers.emplace_back(id, std::move(observer));
    return Connection(slots_, id);
}

void ChangeSignal::notify() const {
    auto& slots = *slots_;
    ++slots.emitting;
    // By index: an observer may connect another one (it is called too) or disconnect itself.
    for (std::size_t i = 0; i < slots.observers.size(); ++i)
        if (slots.observers[i].second) {
            auto observer = slots.observers[i].second;
            observer();
        }
    if (--slots.emitting == 0 && slots.hasGaps) {
        std::erase_if(slots.observers, [](const auto& slot) { return !slot.second; });
        slots.hasGaps = false;
    }
}

ChangeSignal::Connection& ChangeSignal::Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        disconnect();
        slots_ = std::move(other.slots_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void ChangeSignal::Connection::disconnect() {
    auto slots = slots_.lock();
    slots_.reset();
    if (!slots)
        return;
    auto found = std::find_if(slots->observers.begin(), slots->observers.end(),
                              [this](const auto& slot) { return slot.first == id_; });
    if (found == slots->observers.end())
        return;
    if (slots->emitting > 0) {
        found->second = nullptr; // erased once the emission is over
        slots->hasGaps = true;
    } else {
        slots->observers.erase(found);
    }
}

} // namespace glowdeck
