#include "Spin.h"
#include "shell/StatusNotifierItem.h"
#include "shell/TrayIcon.h"
#include "shell/TrayIconImage.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using glowdeck::StatusNotifierItem;
using glowdeck::TrayIcon;
using glowdeck::testing::spinUntil;

namespace {

constexpr char watcherService[] = "org.kde.StatusNotifierWatcher";

// A StatusNotifierWatcher that records the registrations it receives.
class FakeWatcher : public QDBusVirtualObject {
public:
    std::vector<QString> registrations;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() != QLatin1String("RegisterStatusNotifierItem")) {
            return false;
        }
        registrations.push_back(message.arguments().value(0).toString());
        bus.send(message.createReply());
        return true;
    }
};

// A private bus for each test, and connections to it for the item and for the tray host.
class StatusNotifierItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString daemonPath = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemonPath.isEmpty()) {
            GTEST_SKIP() << "dbus-daemon is not installed";
        }
        daemon.start(daemonPath, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                  QStringLiteral("--print-address=1")});
        ASSERT_TRUE(daemon.waitForStarted(5000));
        ASSERT_TRUE(spinUntil([&] { return daemon.canReadLine(); }, 5000));
        address = QString::fromUtf8(daemon.readLine().trimmed());
        itemBus = connect("item");
        ASSERT_TRUE(itemBus.isConnected());
    }

    void TearDown() override {
        item.reset();
        tray.reset();
        for (const QString& name : names) {
            QDBusConnection::disconnectFromBus(name);
        }
        daemon.kill();
        daemon.waitForFinished(5000);
    }

    QDBusConnection connect(const char* role) {
        const QString name = QStringLiteral("%1-%2").arg(QLatin1String(role)).arg(names.size());
        names.push_back(name);
        return QDBusConnection::connectToBus(address, name);
    }

    // A tray host on a connection of its own that runs the watcher (and, for GNOME, owns
    // GNOME Shell's name too).
    QDBusConnection startWatcher(FakeWatcher& watcher, bool gnome = false) {
        QDBusConnection host = connect("host");
        EXPECT_TRUE(host.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
        if (gnome) {
            EXPECT_TRUE(host.registerService(QStringLiteral("org.gnome.Shell")));
        }
        EXPECT_TRUE(host.registerService(QLatin1String(watcherService)));
        return host;
    }

    // Calls `member` on the item from `from` and waits for the answer.
    QDBusMessage call(const QDBusConnection& from, const char* path, const char* interface,
                      const char* member, const QList<QVariant>& arguments) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(item->serviceName(), QLatin1String(path),
                                           QLatin1String(interface), QLatin1String(member));
        message.setArguments(arguments);
        QDBusPendingCall pending = from.asyncCall(message);
        EXPECT_TRUE(spinUntil([&] { return pending.isFinished(); }));
        return pending.reply();
    }

    QVariantMap properties(const QDBusConnection& from) {
        const QDBusMessage reply =
            call(from, StatusNotifierItem::itemPath, "org.freedesktop.DBus.Properties", "GetAll",
                 {QStringLiteral("org.kde.StatusNotifierItem")});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        QVariantMap all;
        if (!reply.arguments().isEmpty()) {
            reply.arguments().at(0).value<QDBusArgument>() >> all;
        }
        return all;
    }

    void makeItem() {
        item = std::make_unique<StatusNotifierItem>(itemBus, glowdeck::TrayIconImage::images());
        item->onClick = [this](QPoint at) { clicks.push_back(at); };
        ASSERT_TRUE(item->publish());
    }

    QProcess daemon;
    QString address;
    std::vector<QString> names;
    QDBusConnection itemBus{QString()};
    std::unique_ptr<StatusNotifierItem> item;
    std::unique_ptr<TrayIcon> tray;
    std::vector<QPoint> clicks;
};

struct Pixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};

std::vector<Pixmap> pixmaps(const QDBusArgument& argument) {
    std::vector<Pixmap> all;
    argument.beginArray();
    while (!argument.atEnd()) {
        Pixmap pixmap;
        argument.beginStructure();
        argument >> pixmap.width >> pixmap.height >> pixmap.argb;
        argument.endStructure();
        all.push_back(pixmap);
    }
    argument.endArray();
    return all;
}

} // namespace

TEST_F(StatusNotifierItemTest, PublishesItsPropertiesWithoutAMenu) {
    makeItem();
    const QVariantMap all = properties(connect("host"));
    EXPECT_EQ(all.value("Category").toString(), "ApplicationStatus");
    EXPECT_EQ(all.value("Id").toString(), "glowdeck");
    EXPECT_EQ(all.value("Title").toString(), "Glowdeck");
    EXPECT_EQ(all.value("Status").toString(), "Active");
    EXPECT_FALSE(all.value("ItemIsMenu").toBool());
    EXPECT_FALSE(all.contains("Menu"));

    // (sa(iiay)ss): the tool tip's title is the third field.
    const auto tip = all.value("ToolTip").value<QDBusArgument>();
    QString iconName;
    QString title;
    tip.beginStructure();
    tip >> iconName;
    EXPECT_TRUE(pixmaps(tip).empty());
    tip >> title;
    tip.endStructure();
    EXPECT_EQ(title, "Glowdeck");

    // Every size, each ARGB32 in network byte order: the bulb's centre is its opaque yellow.
    const std::vector<Pixmap> icons = pixmaps(all.value("IconPixmap").value<QDBusArgument>());
    ASSERT_EQ(icons.size(), glowdeck::TrayIconImage::sizes().size());
    for (const Pixmap& icon : icons) {
        ASSERT_EQ(icon.argb.size(), icon.width * icon.height * 4) << icon.width;
        const qsizetype centre =
            (qsizetype(icon.height) * 4 / 10 * icon.width + icon.width / 2) * 4;
        const QColor seen(quint8(icon.argb[centre + 1]), quint8(icon.argb[centre + 2]),
                          quint8(icon.argb[centre + 3]), quint8(icon.argb[centre]));
        EXPECT_EQ(seen, QColor(0xff, 0xd2, 0x4d)) << icon.width;
    }
}

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
        const QDBusMessage reply = call(host, StatusNotifierItem::itemPath,
                                        StatusNotifierItem::interfaceName, c.member, c.arguments);
        EXPECT_EQ(reply.type(), c.answer) << c.member;
        EXPECT_EQ(clicks, c.clicks) << c.member;
    }
}

TEST_F(StatusNotifierItemTest, RegistersWithEachWatcherThatStarts) {
    FakeWatcher first;
    startWatcher(first);
    makeItem();
    int changes = 0;
    item->onWatcherChanged = [&] { ++changes; };
    EXPECT_TRUE(item->watched());
    ASSERT_TRUE(spinUntil([&] { return item->registered(); }));
    EXPECT_EQ(first.registrations, std::vector<QString>{item->serviceName()});
    EXPECT_FALSE(item->gnomeHost());

    // The tray restarts: gone, then a new watcher.
    QDBusConnection::disconnectFromBus(names.back());
    ASSERT_TRUE(spinUntil([&] { return !item->watched(); }));
    EXPECT_FALSE(item->registered());
    FakeWatcher second;
    startWatcher(second);
    ASSERT_TRUE(spinUntil([&] { return item->registered(); }));
    EXPECT_EQ(second.registrations, std::vector<QString>{item->serviceName()});
    EXPECT_EQ(changes, 2);
}

TEST_F(StatusNotifierItemTest, UnderGnomeShellNamesAnEmptyMenuAndAnswersActivateWithAnError) {
    FakeWatcher watcher;
    const QDBusConnection shell = startWatcher(watcher, true);
    makeItem();
    ASSERT_TRUE(spinUntil([&] { return item->registered(); }));
    EXPECT_TRUE(item->gnomeHost());
    EXPECT_EQ(properties(shell).value("Menu").value<QDBusObjectPath>().path(), "/MenuBar");

    // The menu has a root and nothing in it.
    const QDBusMessage layout = call(shell, StatusNotifierItem::menuPath, "com.canonical.dbusmenu",
                                     "GetLayout", {0, -1, QStringList()});
    ASSERT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
    const auto root = layout.arguments().value(1).value<QDBusArgument>();
    int id = -1;
    QVariantMap rootProperties;
    root.beginStructure();
    root >> id >> rootProperties;
    root.beginArray();
    EXPECT_TRUE(root.atEnd());
    root.endArray();
    root.endStructure();
    EXPECT_EQ(id, 0);

    // GNOME Shell's Activate is acted on, then answered with an error that is not "unknown
    // method"; anyone else's gets a plain answer.
    const QDBusMessage fromShell = call(shell, StatusNotifierItem::itemPath,
                                        StatusNotifierItem::interfaceName, "Activate", {5, 6});
    EXPECT_EQ(fromShell.type(), QDBusMessage::ErrorMessage);
    EXPECT_NE(fromShell.errorName(), "org.freedesktop.DBus.Error.UnknownMethod");
    const QDBusMessage fromOther = call(connect("other"), StatusNotifierItem::itemPath,
                                        StatusNotifierItem::interfaceName, "Activate", {7, 8});
    EXPECT_EQ(fromOther.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(clicks, (std::vector<QPoint>{{5, 6}, {7, 8}}));
}

TEST_F(StatusNotifierItemTest, TrayIconFollowsTheWatcherAndIsNeverShownTwice) {
    tray = std::make_unique<TrayIcon>(itemBus);
    tray->show();
    EXPECT_EQ(tray->kind(), TrayIcon::Kind::XEmbed);
    ASSERT_NE(tray->xembedIcon(), nullptr);
    EXPECT_TRUE(tray->xembedIcon()->isVisible());

    FakeWatcher watcher;
    startWatcher(watcher);
    ASSERT_TRUE(spinUntil([&] { return tray->kind() == TrayIcon::Kind::StatusNotifier; }));
    EXPECT_FALSE(tray->xembedIcon()->isVisible());
    ASSERT_TRUE(spinUntil([&] { return watcher.registrations.size() == 1; }));
    EXPECT_EQ(tray->geometry(), QRect());

    QDBusConnection::disconnectFromBus(names.back());
    ASSERT_TRUE(spinUntil([&] { return tray->kind() == TrayIcon::Kind::XEmbed; }));
    EXPECT_TRUE(tray->xembedIcon()->isVisible());
}
