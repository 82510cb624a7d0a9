#pragma once

#include "Cancellable.h"

#include <functional>
#include <memory>
#include <vector>

namespace glowdeck {

// Descriptors watched for readability: the input half of an event loop.
class ReadWatches {
public:
    struct Watch {
        int fd = -1;
        std::function<void()> onReadable;
        std::function<void()> onCancel;
        bool cancelled = false;
    };

    Handle add(int fd, std::function<void()> onReadable, std::function<void()> onCancel);

    // The watched descriptors, in the order they were added.
    std::vector<int> fds() const;

    // Runs the handler of every watch on `fd` once.
    void fire(int fd);

private:
    std::vector<std::shared_ptr<Watch>> watches_;
};

} // namespace glowdeck
