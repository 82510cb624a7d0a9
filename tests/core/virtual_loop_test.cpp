#include "model/VirtualLoop.h"

#include <gtest/gtest.h>

namespace glowdeck {
namespace {

using namespace std::chrono_literals;

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

} // namespace
} // namespace glowdeck
