#include "shell/SingleInstance.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <memory>

using glowdeck::SingleInstance;

namespace {

// Sends the show request from a socket of its own (notifyRunning blocks until it is read).
void sendShow(const QString& name, const char* line = "show\n") {
    QLocalSocket client;
    client.connectToServer(name);
    ASSERT_TRUE(client.waitForConnected(1000));
    client.write(line);
    ASSERT_TRUE(client.waitForBytesWritten(1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }));
}

} // namespace

TEST(SingleInstanceTest, OnlyASocketNobodyListensOnIsTakenOver) {
    QTemporaryDir dir;
    const QString name = dir.filePath("glowdeck.socket");
    {
        SingleInstance crashed(name);
        ASSERT_TRUE(crashed.listen([] {}));
    }
    // A file left at the path, as after a crash.
    QFile stale(name);
    if (!stale.exists()) {
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.close();
    }
    SingleInstance next(name);
    EXPECT_FALSE(next.notifyRunning(200));
    int requests = 0;
    EXPECT_TRUE(next.listen([&] { ++requests; }));

    // A start that could not reach the running one (busy, or racing it) leaves its socket alone.
    SingleInstance late(name);
    EXPECT_FALSE(late.listen([] {}));
    EXPECT_FALSE(late.listening());
    sendShow(name);
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests == 1; }));
}

TEST(SingleInstanceTest, OfTwoStartsRacingOneRunsAndTheOtherReachesIt) {
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        const QString name = dir.filePath("glowdeck.socket");
        std::latch ready(2);
        std::atomic<int> running{0};
        std::atomic<int> deferred{0};
        std::atomic<int> requests{0};
        std::atomic<int> finished{0};
        auto start = [&] {
            SingleInstance instance(name);
            ready.arrive_and_wait();
            if (instance.notifyRunning(1000)) {
                ++deferred;
            } else if (instance.listen([&] { ++requests; })) {
                ++running;
                // Serve until the other start is done.
                QEventLoop loop;
                QElapsedTimer clock;
                clock.start();
                while (finished == 0 && clock.elapsed() < 5000)
                    loop.processEvents(QEventLoop::AllEvents, 10);
            }
            ++finished;
        };
        std::unique_ptr<QThread> a(QThread::create(start));
        std::unique_ptr<QThread> b(QThread::create(start));
        a->start();
        b->start();
        ASSERT_TRUE(a->wait(10000));
        ASSERT_TRUE(b->wait(10000));
        EXPECT_EQ(running, 1);
        EXPECT_EQ(deferred, 1);
        EXPECT_EQ(requests, 1);
    }
}
