#include "ReadWatches.h"

#include <algorithm>

namespace glowdeck {

namespace {

class WatchHandle : public Cancellable {
public:
    WatchHandle(std::vector<std::shared_ptr<ReadWatches::Watch>>& watches,
                std::shared_ptr<ReadWatches::Watch> watch)
        : watches_(watches), watch_(std::move(watch)) {}
    ~WatchHandle() override { cancel(); }

    void cancel() override {
        if (watch_->cancelled)
            return;
        watch_->cancelled = true;
        watch_->onReadable = nullptr;
        std::erase(watches_, watch_);
        auto onCancel = std::move(watch_->onCancel);
        if (onCancel)
            onCancel();
    }

    bool active() const override { return !watch_->cancelled; }

private:
    std::vector<std::shared_ptr<ReadWatches::Watch>>& watches_;
    std::shared_ptr<ReadWatches::Watch> watch_;
};

} // namespace

Handle ReadWatches::add(int fd, std::function<void()> onReadable, std::function<void()> onCancel) {
    auto watch = std::make_shared<Watch>(Watch{fd, std::move(onReadable), std::move(onCancel)});
    watches_.push_back(watch);
    return std::make_unique<WatchHandle>(watches_, std::move(watch));
}

std::vector<int> ReadWatches::fds() const {
    std::vector<int> fds;
    for (const auto& watch : watches_)
        fds.push_back(watch->fd);
    return fds;
}

void ReadWatches::fire(int fd) {
    auto snapshot = watches_;
    for (const auto& watch : snapshot)
        if (watch->fd == fd && !watch->cancelled) {
            auto handler = watch->onReadable; // the handler may cancel its own watch
            handler();
        }
}

} // namespace glowdeck
