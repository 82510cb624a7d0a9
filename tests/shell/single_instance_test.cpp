#include "Spin.h"
#include "shell/SingleInstance.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using glowdeck::SingleInstance;
using glowdeck::testing::spinUntil;

TEST(SingleInstanceTest, ASecondStartAsksTheFirstToShowItsPanel) {
    QTemporaryDir dir;
    const QString name = dir.filePath("glowdeck.socket");
    SingleInstance first(name);
    EXPECT_FALSE(first.notifyRunning(200)); // nobody there yet
    int requests = 0;
    ASSERT_TRUE(first.listen([&] { ++requests; }));

    // The second instance blocks in notifyRunning, so it talks from a socket of its own here.
    QLocalSocket second;
    second.connectToServer(name);
    ASSERT_TRUE(second.waitForConnected(1000));
    second.write("show\n");
    ASSERT_TRUE(spinUntil([&] { return requests == 1; }));

    // Anything else is not a request.
    QLocalSocket stranger;
    stranger.connectToServer(name);
    ASSERT_TRUE(stranger.waitForConnected(1000));
    stranger.write("quit\n");
    ASSERT_TRUE(spinUntil([&] { return stranger.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_EQ(requests, 1);
}

TEST(SingleInstanceTest, ASocketLeftBehindIsTakenOver) {
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
    EXPECT_TRUE(next.listen([] {}));
}
