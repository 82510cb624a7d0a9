#include "PrivateBus.h"
#include "shell/desktop/ColorSchemePortal.h"
#include "shell/desktop/GnomeColorScheme.h"
#include "shell/desktop/KdeColorScheme.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using glowdeck::ColorScheme;
using glowdeck::ColorSchemePortal;
using Found = std::optional<ColorScheme>;

namespace {

QVariant wrapped(const QVariant& value) {
    return QVariant::fromValue(QDBusVariant(value));
}

// A settings portal older than ReadOne: Read answers with the value wrapped twice.
class OldPortal : public QDBusVirtualObject {
public:
    uint scheme = 1;
    QStringList asked;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        asked << message.member();
        if (message.member() == QLatin1String("Read") &&
            message.arguments().value(0) == QLatin1String("org.freedesktop.appearance") &&
            message.arguments().value(1) == QLatin1String("color-scheme")) {
            bus.send(message.createReply(wrapped(wrapped(scheme))));
        } else {
            bus.send(message.createErrorReply(QDBusError::UnknownMethod, message.member()));
        }
        return true;
    }
};

} // namespace

TEST(ColorSchemeTest, EachSourceSaysDarkLightOrNothing) {
    const struct {
        QVariant value;
        Found scheme;
    } portal[] = {
        {0u, ColorScheme::NoPreference},
        {1u, ColorScheme::Dark},
        {wrapped(2u), ColorScheme::Light},
        {wrapped(wrapped(1u)), ColorScheme::Dark},
        {3u, std::nullopt},
        {QStringLiteral("1"), std::nullopt},
        {QVariant(), std::nullopt},
    };
    for (const auto& c : portal) {
        EXPECT_EQ(ColorSchemePortal::fromValue(c.value), c.scheme) << c.value.typeName();
    }

    const struct {
        const char* output;
        Found scheme;
    } gnome[] = {
        {"'prefer-dark'\n", ColorScheme::Dark},
        {"'prefer-light'\n", ColorScheme::Light},
        {"'default'\n", ColorScheme::NoPreference},
        {"No such key “color-scheme”\n", std::nullopt},
    };
    for (const auto& c : gnome) {
        EXPECT_EQ(glowdeck::GnomeColorScheme::fromGsettings(c.output), c.scheme) << c.output;
    }

    // Breeze Dark's and Breeze's window backgrounds; the key in another group says nothing.
    QTemporaryDir dir;
    const struct {
        const char* text;
        Found scheme;
    } kde[] = {
        {"[General]\nColorScheme=BreezeDark\n\n[Colors:Window]\nBackgroundNormal=32,35,38\n",
         ColorScheme::Dark},
        {"[Colors:Window]\nBackgroundAlternate=1,1,1\nBackgroundNormal=239,240,241\n",
         ColorScheme::Light},
        {"[Colors:View]\nBackgroundNormal=32,35,38\n", std::nullopt},
        {"[Colors:Window]\nBackgroundNormal=32,35\n", std::nullopt},
    };
    for (const auto& c : kde) {
        QFile file(dir.filePath(QStringLiteral("kdeglobals")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text);
        file.close();
        EXPECT_EQ(glowdeck::KdeColorScheme::read(file.fileName()), c.scheme) << c.text;
    }
    EXPECT_EQ(glowdeck::KdeColorScheme::read(dir.filePath(QStringLiteral("none"))), std::nullopt);
}

// On a private bus: the preference read from a portal that only has Read, then a change.
TEST(ColorSchemeTest, PortalAnswersAndChangesReachTheProgram) {
    if (!PrivateBus::installed()) {
        GTEST_SKIP() << "dbus-daemon is not installed";
    }
    PrivateBus bus;
    ASSERT_TRUE(bus.start());
    {
        QDBusConnection desktop = bus.connect(QStringLiteral("portal"));
        OldPortal portal;
        ASSERT_TRUE(desktop.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                  &portal));
        ASSERT_TRUE(desktop.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

        // Nothing in this process has used QDBusVariant yet, as in the program when it asks
        // early: the subscription must not depend on that.
        ColorSchemePortal reader(bus.connect(QStringLiteral("app")));
        std::vector<Found> read;
        std::vector<ColorScheme> changed;
        reader.onRead = [&](Found scheme) { read.push_back(scheme); };
        reader.onChanged = [&](ColorScheme scheme) { changed.push_back(scheme); };
        reader.read();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !read.empty(); }, 5000));
        EXPECT_EQ(read, std::vector<Found>{ColorScheme::Dark});
        EXPECT_EQ(portal.asked, (QStringList{QStringLiteral("ReadOne"), QStringLiteral("Read")}));

        // Another setting's change is not this one.
        for (const char* key : {"accent-color", "color-scheme"}) {
            QDBusMessage signal =
                QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                           QStringLiteral("org.freedesktop.portal.Settings"),
                                           QStringLiteral("SettingChanged"));
            signal << QStringLiteral("org.freedesktop.appearance") << QLatin1String(key)
                   << wrapped(2u);
            ASSERT_TRUE(desktop.send(signal));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !changed.empty(); }, 5000));
        QTest::qWait(50);
        EXPECT_EQ(changed, std::vector<ColorScheme>{ColorScheme::Light});

        // Without a portal on the bus: nothing, soon.
        desktop.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        read.clear();
        reader.read();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !read.empty(); }, 5000));
        EXPECT_EQ(read, std::vector<Found>{std::nullopt});
    }
}
