#include "shell/InstanceAddress.h"
#include "shell/SingleInstance.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <latch>
#include <map>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using glowdeck::SingleInstance;
using glowdeck::testing::ScopedEnvironment;

namespace {

// Sends the show request from a socket of its own (notifyRunning blocks until it is read).
void sendShow(const QString& name) {
    QLocalSocket client;
    client.connectToServer(name);
    ASSERT_TRUE(client.waitForConnected(1000));
    client.write("show\n");
    ASSERT_TRUE(client.waitForBytesWritten(1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }));
}

// The environment that picks the default socket, unset but for the temp directory, a fresh one
// open to everybody, like /tmp.
class SingleInstancePlaceTest : public ::testing::Test {
protected:
    SingleInstancePlaceTest() { ::chmod(QFile::encodeName(tmp_.path()).constData(), 01777); }

    QTemporaryDir tmp_;
    ScopedEnvironment tmpdir_{"TMPDIR", tmp_.path().toStdString()};
    ScopedEnvironment runtime_{"XDG_RUNTIME_DIR", {}};
    ScopedEnvironment wayland_{"WAYLAND_DISPLAY", {}};
    ScopedEnvironment display_{"DISPLAY", {}};
};

} // namespace

TEST_F(SingleInstancePlaceTest, OneInstancePerDisplay) {
    // {WAYLAND_DISPLAY, DISPLAY} pairs; rows of one group name one display.
    const std::vector<std::vector<std::pair<QByteArray, QByteArray>>> groups = {
        {{"", ":61"}, {"", ":61.0"}, {"", "unix:61.1"}},
        {{"", ":62"}, {"", ":62.0"}},
        {{"", "localhost:61.0"}},
        {{"wayland-1", ":61"}, {"wayland-1", ":61.0"}},
        {{"wayland-2", ":61"}},
        {{"", ""}},
    };
    std::map<QString, size_t> groupOf;
    for (size_t group = 0; group < groups.size(); ++group) {
        for (const auto& [wayland, x] : groups[group]) {
            ScopedEnvironment::set("WAYLAND_DISPLAY", wayland.toStdString());
            ScopedEnvironment::set("DISPLAY", x.toStdString());
            const QString name = glowdeck::InstanceAddress::forThisDisplay();
            EXPECT_EQ(groupOf.try_emplace(name, group).first->second, group)
                << wayland.toStdString() << " " << x.toStdString() << ": " << name.toStdString();
        }
    }
    EXPECT_EQ(groupOf.size(), groups.size());
    // In a folder only this user can enter.
    const QString folder = QFileInfo(groupOf.begin()->first).absolutePath();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_uid, ::getuid());
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    // A start on another display runs there.
    ScopedEnvironment::set("DISPLAY", ":61");
    SingleInstance first;
    ASSERT_TRUE(first.listen([] {}));
    ScopedEnvironment::set("DISPLAY", ":62");
    SingleInstance other;
    EXPECT_FALSE(other.notifyRunning(200));
    EXPECT_TRUE(other.listen([] {}));
}

TEST_F(SingleInstancePlaceTest, AFolderSomebodyElseCouldEnterIsRefused) {
    ScopedEnvironment::set("DISPLAY", ":61");
    const QString folder = tmp_.filePath(QStringLiteral("glowdeck-%1").arg(::getuid()));
    const QString privateOne = tmp_.filePath("private");
    const QFile::Permissions ownerOnly(0x7000);
    ASSERT_TRUE(QDir().mkdir(privateOne, ownerOnly));
    const std::pair<const char*, std::function<bool()>> folders[] = {
        {"open to other users", [&] { return QDir().mkdir(folder, QFile::Permissions(0x7777)); }},
        {"is not a folder", [&] { return QFile(folder).open(QIODevice::WriteOnly); }},
        {"is not a folder", [&] { return QFile::link(privateOne, folder); }},
        {"belongs to another user",
         [&] {
             return QDir().mkdir(folder, ownerOnly) &&
                    ::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0;
         }},
    };
    for (const auto& [reason, make] : folders) {
        SCOPED_TRACE(reason);
        if (std::string_view(reason) == "belongs to another user" && ::geteuid() != 0)
            continue; // only root can give a folder away
        QDir(folder).removeRecursively();
        QFile::remove(folder);
        ASSERT_TRUE(make());
        // Someone listening where the program would look, or where it looked before.
        QLocalServer squatter;
        squatter.listen(QDir(folder).filePath("glowdeck-:61.socket"));
        QLocalServer oldSquatter;
        oldSquatter.listen(tmp_.filePath(QStringLiteral("glowdeck-%1.socket").arg(::getuid())));
        SingleInstance instance;
        const QString problem = instance.problem();
        EXPECT_TRUE(instance.name().isEmpty());
        EXPECT_TRUE(problem.contains(reason) && problem.contains(folder)) << problem.toStdString();
        EXPECT_FALSE(instance.notifyRunning(200));
        EXPECT_FALSE(instance.listen([] {}));
    }
}

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
