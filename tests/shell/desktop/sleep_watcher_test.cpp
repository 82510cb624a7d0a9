#include "PrivateBus.h"
#include "shell/desktop/SleepWatcher.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <gtest/gtest.h>

#include <unistd.h>

using glowdeck::SleepWatcher;

namespace {

const QString login = QStringLiteral("org.freedesktop.login1");
const QString managerPath = QStringLiteral("/org/freedesktop/login1");
const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/_31");

// logind's manager, as far as the watcher asks it: which session a process belongs to.
class FakeLogind : public QDBusVirtualObject {
public:
    QList<QVariant> asked;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() != QLatin1String("GetSessionByPID"))
            return false;
        asked = message.arguments();
        bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(sessionPath))));
        return true;
    }
};

QDBusMessage signal(const QString& path, const char* interface, const char* member,
                    const QList<QVariant>& arguments) {
    QDBusMessage message =
        QDBusMessage::createSignal(path, QLatin1String(interface), QLatin1String(member));
    message.setArguments(arguments);
    return message;
}

} // namespace

// One private bus stands for both the system and the session bus. Each signal is followed by
// a screen saver's that counts once, so that by the time that one arrives, the signal before it
// has been dealt with.
TEST(SleepWatcherTest, SleepLockAndScreenSaversHideThePanelAndNothingElseDoes) {
    if (!PrivateBus::installed()) {
        GTEST_SKIP() << "dbus-daemon is not installed";
    }
    PrivateBus bus;
    ASSERT_TRUE(bus.start());
    QDBusConnection logind = bus.connect(QStringLiteral("logind"));
    FakeLogind manager;
    ASSERT_TRUE(logind.registerVirtualObject(managerPath, &manager));
    ASSERT_TRUE(logind.registerService(login));
    QDBusConnection stranger = bus.connect(QStringLiteral("stranger"));

    const QDBusConnection watched = bus.connect(QStringLiteral("app"));
    SleepWatcher watcher(watched, watched);
    EXPECT_TRUE(watcher.watchingSystem());
    EXPECT_TRUE(watcher.watchingSession());
    int sleeps = 0;
    QObject::connect(&watcher, &SleepWatcher::sleeping, [&] { ++sleeps; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.asked.isEmpty(); }, 5000));
    EXPECT_EQ(manager.asked, QList<QVariant>{static_cast<uint>(::getpid())});
    QTest::qWait(100); // the answer reaches the watcher, which then listens for Lock

    const auto gnome = signal(QStringLiteral("/org/gnome/ScreenSaver"), "org.gnome.ScreenSaver",
                              "ActiveChanged", {true});
    const struct {
        const char* what;
        QDBusConnection* from;
        QDBusMessage message;
        int sleeps;
    } cases[] = {
        {"going to sleep", &logind,
         signal(managerPath, "org.freedesktop.login1.Manager", "PrepareForSleep", {true}), 1},
        {"waking up", &logind,
         signal(managerPath, "org.freedesktop.login1.Manager", "PrepareForSleep", {false}), 0},
        {"sleep said by someone else", &stranger,
         signal(managerPath, "org.freedesktop.login1.Manager", "PrepareForSleep", {true}), 0},
        {"this session locks", &logind,
         signal(sessionPath, "org.freedesktop.login1.Session", "Lock", {}), 1},
        {"another session locks", &logind,
         signal(QStringLiteral("/org/freedesktop/login1/session/_7"),
                "org.freedesktop.login1.Session", "Lock", {}),
         0},
        {"screen saver on", &stranger,
         signal(QStringLiteral("/org/freedesktop/ScreenSaver"), "org.freedesktop.ScreenSaver",
                "ActiveChanged", {true}),
         1},
        {"screen saver on, short path", &stranger,
         signal(QStringLiteral("/ScreenSaver"), "org.freedesktop.ScreenSaver", "ActiveChanged",
                {true}),
         1},
        {"screen saver off", &stranger,
         signal(QStringLiteral("/org/freedesktop/ScreenSaver"), "org.freedesktop.ScreenSaver",
                "ActiveChanged", {false}),
         0},
        {"GNOME's shield", &stranger, gnome, 1},
    };
    for (const auto& c : cases) {
        sleeps = 0;
        ASSERT_TRUE(c.from->send(c.message)) << c.what;
        ASSERT_TRUE(c.from->send(gnome)) << c.what;
        EXPECT_TRUE(QTest::qWaitFor([&] { return sleeps >= c.sleeps + 1; }, 5000)) << c.what;
        QTest::qWait(20);
        EXPECT_EQ(sleeps, c.sleeps + 1) << c.what;
    }
}
