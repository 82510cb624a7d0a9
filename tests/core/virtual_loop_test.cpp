#include "model/VirtualLoop.h"

#include <gtest/gtest.h>

namespace glowdeck {
namespace {

using namespace std::chrono_literals;

TEST(VirtualLoop, RunsEverythingDueInTimeOrderAtItsDueTime) {
    VirtualLoop loop;
    const auto start = loop.monotonicNow();
    const auto wallStart = loop.now();
    std::vector<std::pair<int, Duration>> ran;
    auto record = [&](int id) { ran.emplace_back(id, loop.monotonicNow() - start); };
    auto late = loop.after(300ms, [&] { record(3); });
    auto early = loop.after(100ms, [&] { record(1); });
    auto tick = loop.every(150ms, 10ms, [&] { record(2); });
    loop.advance(320ms);
    EXPECT_EQ(ran, (std::vector<std::pair<int, Duration>>{
                       {1, 100ms}, {2, 150ms}, {3, 300ms}, {2, 300ms}}))
        << "ties run in the order they were scheduled";
    EXPECT_EQ(loop.monotonicNow() - start, 320ms);
    EXPECT_EQ(loop.now() - wallStart, 320ms) << "the wall clock moves with virtual time";
}

TEST(VirtualLoop, CancelledOrDestroyedHandlesNeverRun) {
    VirtualLoop loop;
    int runs = 0;
    auto cancelled = loop.after(1s, [&] { ++runs; });
    cancelled->cancel();
    EXPECT_FALSE(cancelled->active());
    {
        auto dropped = loop.every(1s, 0s, [&] { ++runs; });
    }
    Handle self;
    self = loop.every(1s, 0s, [&] {
        ++runs;
        self->cancel();
    });
    loop.advance(5s);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(loop.scheduled(), 0u);
}

TEST(VirtualLoop, WatchCancelRemovesTheWatchThenRunsTheCancelHandlerOnce) {
    VirtualLoop loop;
    int reads = 0, cancels = 0;
    auto watch = loop.watchReadable(
        7, [&] { ++reads; },
        [&] {
            EXPECT_TRUE(loop.watched().empty());
            ++cancels;
        });
    loop.readable(7);
    watch->cancel();
    watch->cancel();
    loop.readable(7);
    watch.reset();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(cancels, 1);
}

} // namespace
} // namespace glowdeck
