#include "PrivateBus.h"
#include "shell/tray/StatusNotifierItem.h"
#include "shell/tray/TrayIcon.h"
#include "shell/tray/TrayIconImage.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSystemTrayIcon>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using glowdeck::StatusNotifierItem;
using glowdeck::TrayIcon;

namespace {

constexpr char watcherService[] = "org.kde.StatusNotifierWatcher";

// A StatusNotifierWatcher that records the registrations it receives.
class FakeWatcher : public QDBusVirtualObject {
public:
    std::vector<QString> registrations;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() != QLatin1String("RegisterStatusNotifierItem"))
            return false;
        registrations.push_back(message.arguments().value(0).toString());
        bus.send(message.createReply());
        return true;
    }
};

// A private bus for each test, and connections to it for the item and for the tray host.
class StatusNotifierItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateBus::installed()) {
            GTEST_SKIP() << "dbus-daemon is not installed";
        }
        ASSERT_TRUE(bus.start());
        itemBus = connect("item");
        ASSERT_TRUE(itemBus.isConnected());
    }

    void TearDown() override {
        item.reset();
        tray.reset();
    }

    QDBusConnection connect(const char* role) { return bus.connect(QLatin1String(role)); }

    // A tray host on a connection of its own that runs the watcher.
    QDBusConnection startWatcher(FakeWatcher& watcher) {
        QDBusConnection host = connect("host");
        EXPECT_TRUE(host.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
        EXPECT_TRUE(host.registerService(QLatin1String(watcherService)));
        return host;
    }

    // Calls `member` of the item's `interface` from `from` and waits for the answer.
    QDBusMessage call(const QDBusConnection& from, const char* member,
                      const QList<QVariant>& arguments,
                      const char* interface = StatusNotifierItem::interfaceName) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            item->serviceName(), QLatin1String(StatusNotifierItem::itemPath),
            QLatin1String(interface), QLatin1String(member));
        message.setArguments(arguments);
        QDBusPendingCall pending = from.asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }));
        return pending.reply();
    }

    void makeItem() {
        item = std::make_unique<StatusNotifierItem>(itemBus, glowdeck::TrayIconImage::images());
        item->onClick = [this](QPoint at) { clicks.push_back(at); };
        ASSERT_TRUE(item->publish());
    }

    PrivateBus bus;
    QDBusConnection itemBus{QString()};
    std::unique_ptr<StatusNotifierItem> item;
    std::unique_ptr<TrayIcon> tray;
    std::vector<QPoint> clicks;
};

} // namespace

TEST_F(StatusNotifierItemTest, EveryClickReportsWhereTheHostSaidAndOthersAreAnswered) {
    makeItem();
    const QDBusConnection host = connect("host");
    struct Case {
        const char* member;
        QList<QVariant> arguments;
        QDBusMessage::MessageType answer;
        std::vector<QPoint> clicks;
    };
    const Case cases[] = {
        {"Activate", {10, 20}, QDBusMessage::ReplyMessage, {{10, 20}}},
        {"SecondaryActivate", {30, 40}, QDBusMessage::ReplyMessage, {{30, 40}}},
        {"ContextMenu", {50, 60}, QDBusMessage::ReplyMessage, {{50, 60}}},
        {"Scroll", {120, QStringLiteral("vertical")}, QDBusMessage::ReplyMessage, {}},
        {"ProvideXdgActivationToken", {QStringLiteral("token")}, QDBusMessage::ErrorMessage, {}},
        {"Activate", {QStringLiteral("wrong")}, QDBusMessage::ErrorMessage, {}},
    };
    for (const Case& c : cases) {
        clicks.clear();
        const QDBusMessage reply = call(host, c.member, c.arguments);
        EXPECT_EQ(reply.type(), c.answer) << c.member;
        EXPECT_EQ(clicks, c.clicks) << c.member;
    }
}

TEST_F(StatusNotifierItemTest, RegistersWithEachWatcherThatStartsUnlessWithdrawn) {
    FakeWatcher first;
    const QString firstHost = startWatcher(first).name();
    makeItem();
    int changes = 0;
    item->onWatcherChanged = [&] { ++changes; };
    EXPECT_TRUE(item->watched());
    ASSERT_TRUE(QTest::qWaitFor([&] { return item->registered(); }));
    EXPECT_EQ(first.registrations, std::vector<QString>{item->serviceName()});
    EXPECT_FALSE(item->gnomeHost());

    // The tray restarts: gone, then a new watcher.
    QDBusConnection::disconnectFromBus(firstHost);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !item->watched(); }));
    EXPECT_FALSE(item->registered());
    FakeWatcher second;
    const QString secondHost = startWatcher(second).name();
    ASSERT_TRUE(QTest::qWaitFor([&] { return item->registered(); }));
    EXPECT_EQ(second.registrations, std::vector<QString>{item->serviceName()});
    EXPECT_EQ(changes, 2);

    // Withdrawn, the item leaves the bus, so that the host drops it, and registers with no
    // watcher that starts; put back, it registers again.
    QDBusConnectionInterface* observer = connect("observer").interface();
    const auto onBus = [&] { return observer->isServiceRegistered(item->serviceName()).value(); };
    item->setWithdrawn(true);
    EXPECT_FALSE(item->registered());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !onBus(); }));
    QDBusConnection::disconnectFromBus(secondHost);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !item->watched(); }));
    FakeWatcher third;
    startWatcher(third);
    ASSERT_TRUE(QTest::qWaitFor([&] { return item->watched(); }));
    QTest::qWait(100);
    EXPECT_TRUE(third.registrations.empty());
    EXPECT_FALSE(onBus());
    item->setWithdrawn(false);
    EXPECT_TRUE(onBus());
    ASSERT_TRUE(QTest::qWaitFor([&] { return item->registered(); }));
    EXPECT_EQ(third.registrations, std::vector<QString>{item->serviceName()});
}

// GNOME Shell's AppIndicator extension logs every Activate call that fails as critical: the
// item answers its calls like anyone's, and names the menu without which it shows no item.
TEST_F(StatusNotifierItemTest, OnGnomeTheItemNamesAMenuAndAnswersActivate) {
    FakeWatcher watcher;
    QDBusConnection shell = connect("shell");
    ASSERT_TRUE(shell.registerService(QStringLiteral("org.gnome.Shell")));
    ASSERT_TRUE(shell.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
    ASSERT_TRUE(shell.registerService(QLatin1String(watcherService)));
    makeItem();
    EXPECT_TRUE(item->gnomeHost());
    ASSERT_TRUE(QTest::qWaitFor([&] { return item->registered(); }));

    const QDBusMessage menu = call(
        shell, "Get", {QLatin1String(StatusNotifierItem::interfaceName), QStringLiteral("Menu")},
        "org.freedesktop.DBus.Properties");
    ASSERT_EQ(menu.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(menu.arguments().value(0).value<QDBusVariant>().variant().value<QDBusObjectPath>(),
              QDBusObjectPath(QLatin1String(StatusNotifierItem::menuPath)));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(call(shell, "Activate", {5, 7}).type(), QDBusMessage::ReplyMessage) << i;
    EXPECT_EQ(clicks, (std::vector<QPoint>{{5, 7}, {5, 7}}));
}

TEST_F(StatusNotifierItemTest, TrayIconFollowsTheWatcherAndIsNeverShownTwice) {
    tray = std::make_unique<TrayIcon>(itemBus);
    tray->show();
    EXPECT_EQ(tray->kind(), TrayIcon::Kind::XEmbed);
    ASSERT_NE(tray->xembedIcon(), nullptr);
    EXPECT_TRUE(tray->xembedIcon()->isVisible());

    FakeWatcher watcher;
    const QString host = startWatcher(watcher).name();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray->kind() == TrayIcon::Kind::StatusNotifier; }));
    EXPECT_FALSE(tray->xembedIcon()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.registrations.size() == 1; }));
    EXPECT_EQ(tray->geometry(), QRect());

    QDBusConnection::disconnectFromBus(host);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray->kind() == TrayIcon::Kind::XEmbed; }));
    EXPECT_TRUE(tray->xembedIcon()->isVisible());
}
