#pragma once

#include <memory>

namespace glowdeck {

// A scheduled task, timer or watch. Cancelling is idempotent, and destroying the handle
// cancels it, so nothing scheduled by an object can outlive that object.
class Cancellable {
public:
    virtual ~Cancellable() = default;
    virtual void cancel() = 0;
    // True until cancelled; a one-shot task also stops being active once it has run.
    virtual bool active() const = 0;
};

using Handle = std::unique_ptr<Cancellable>;

} // namespace glowdeck
