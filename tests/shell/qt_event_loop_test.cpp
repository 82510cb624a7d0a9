#include "shell/QtEventLoop.h"

#include <QTest>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;
using glowdeck::Handle;
using glowdeck::QtEventLoop;

namespace {

// Both ends of a local socket pair, closed at the end of the test unless already closed.
struct SocketPair {
    int fds[2] = {-1, -1};
    SocketPair() {
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds), 0);
    }
    ~SocketPair() {
        for (int fd : fds) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    void sendByte() { ASSERT_EQ(::write(fds[1], "x", 1), 1); }
};

} // namespace

TEST(QtEventLoopTest, DelayedTaskRunsOnceAndNeverAfterCancelOrDestruction) {
    QtEventLoop loop;
    int runs = 0;
    int dropped = 0;
    Handle task = loop.after(10ms, [&] { ++runs; });
    Handle cancelled = loop.after(10ms, [&] { ++dropped; });
    Handle destroyed = loop.after(10ms, [&] { ++dropped; });
    EXPECT_TRUE(task->active());
    cancelled->cancel();
    cancelled->cancel(); // idempotent
    destroyed.reset();
    EXPECT_FALSE(cancelled->active());
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }));
    QTest::qWait(40);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(task->active());
    EXPECT_EQ(dropped, 0);

    // A task may destroy its own handle.
    Handle self;
    self = loop.after(0ms, [&] {
        ++runs;
        self.reset();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return self == nullptr; }));
    QTest::qWait(20);
    EXPECT_EQ(runs, 2);
}

TEST(QtEventLoopTest, RepeatingTicksMayComeLateButNeverEarly) {
    QtEventLoop loop;
    constexpr auto interval = 150ms;
    std::vector<glowdeck::MonoTime> ticks;
    const auto start = glowdeck::MonoClock::now();
    Handle timer = loop.every(interval, 30ms, [&] { ticks.push_back(glowdeck::MonoClock::now()); });
    ASSERT_TRUE(QtEventLoop::coarseFor(interval, 30ms));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 10; }, 5000));
    timer.reset();
    for (std::size_t i = 0; i < ticks.size(); ++i)
        EXPECT_GE(ticks[i] - start, interval * static_cast<int>(i + 1)) << "tick " << i + 1;
}

TEST(QtEventLoopTest, WatchDestroyedFromItsOwnHandlerCancelsOnce) {
    QtEventLoop loop;
    SocketPair pair;
    int reads = 0;
    int cancels = 0;
    Handle watch;
    watch = loop.watchReadable(
        pair.fds[0],
        [&] {
            ++reads;
            watch.reset();
        },
        [&] { ++cancels; });
    pair.sendByte();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch == nullptr; }));
    QTest::qWait(30); // the byte is still unread
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(cancels, 1);
}
