#pragma once

#include "ChangeSignal.h"

#include <optional>
#include <string>
#include <string_view>

namespace glowdeck {

// The per-user key-value store: raw bytes under a key. A key may also hold a value of another
// kind (a hand edit can leave one); it reads as no bytes but is there, and can be copied.
//
// What is set reads back at once; writing it out may happen later and may fail. A value that
// could not be written is kept and written again with the next value set and when the store
// closes. failing() tells whether the latest write failed.
class Store {
public:
    virtual ~Store() = default;
    // The bytes under `key`: nothing when it is absent or holds a value of another kind.
    virtual std::optional<std::string> data(std::string_view key) const = 0;
    // Whether `key` holds a value of any kind.
    virtual bool contains(std::string_view key) const = 0;
    virtual void setData(std::string_view key, const std::string& bytes) = 0;
    // Puts the value under `from`, of whatever kind and as it is, under `to` as well. Nothing
    // happens when `from` is absent.
    virtual void copy(std::string_view from, std::string_view to) = 0;

    bool failing() const { return failing_; }
    // Announced on the thread that uses the store, after failing() changed.
    ChangeSignal& failingChanged() { return failingChanged_; }

protected:
    void setFailing(bool failing) {
        if (failing == failing_)
            return;
        failing_ = failing;
        failingChanged_.notify();
    }

private:
    bool failing_ = false;
    ChangeSignal failingChanged_;
};

} // namespace glowdeck
