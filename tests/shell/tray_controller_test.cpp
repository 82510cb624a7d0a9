#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/VirtualLoop.h"
#include "panel/PanelPalette.h"
#include "panel/PanelStyle.h"
#include "shell/AppearanceFollower.h"
#include "shell/TrayController.h"
#include "shell/desktop/SleepWatcher.h"
#include "shell/window/DesktopClickCatcher.h"
#include "shell/window/PanelWindow.h"
#include "support/FakeSocketApi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

using glowdeck::TrayController;

namespace {

// A tray controller on virtual time and a socket layer that never reaches the network, with one
// saved bulb.
class TrayControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sockets.interfaces.push_back(
            {"eth0", AF_INET, IFF_UP | IFF_BROADCAST, "10.9.8.7", "10.9.8.255"});
        defaults.setData("bulbs", R"([{"ip":"10.9.8.20","name":"Desk"}])");
        tray.start();
    }

    glowdeck::Lights& lights() { return *tray.lights(); }
    glowdeck::PanelWindow& panel() { return *tray.panel(); }
    bool shown() { return panel().isVisible(); }

    glowdeck::MemoryStore defaults;
    glowdeck::VirtualLoop loop;
    glowdeck::testing::FakeSocketApi sockets;
    TrayController tray{defaults, loop, sockets};
};

} // namespace

TEST_F(TrayControllerTest, TerminationEndsTheShownTimeActivityBeforeTheController) {
    tray.togglePanel();
    ASSERT_TRUE(lights().scanning());
    std::vector<int> socketAtChange;
    auto observer =
        lights().objectWillChange().connect([&] { socketAtChange.push_back(lights().socketFD()); });

    tray.stop();
    // Hiding ended the scan while the socket was still open; then the controller shut down.
    ASSERT_FALSE(socketAtChange.empty());
    EXPECT_GE(socketAtChange.front(), 0);
    EXPECT_FALSE(lights().scanning());
    EXPECT_FALSE(lights().panelVisible());
    EXPECT_FALSE(lights().polling());
    EXPECT_LT(lights().socketFD(), 0);
    EXPECT_EQ(tray.outsideMonitor(), nullptr);
    EXPECT_FALSE(tray.resizing());

    // Sleep after termination reaches nothing.
    sockets.clearSent();
    tray.sleepWatcher()->prepareForSleep(true);
    EXPECT_TRUE(shown());
    tray.stop(); // once only
    EXPECT_TRUE(sockets.sent.empty());
}

TEST_F(TrayControllerTest, ResizesToTheContentAfterTheAnnouncementsSettle) {
    tray.togglePanel();
    const QRect opened = panel().geometry();
    const QSize content = panel().fittingSize();
    const QRect available = panel().screen()->availableGeometry();
    const QSize fitting(content.width(), std::min(content.height(), available.height() - 16));
    EXPECT_EQ(opened.size(), fitting);

    // Make the window the wrong size, then announce a burst of changes.
    panel().setGeometry(QRect(opened.topLeft(), QSize(fitting.width(), fitting.height() / 2)));
    QElapsedTimer sinceLast;
    for (int i = 0; i < 3; ++i) {
        lights().setSelected(lights().selected());
        sinceLast.start();
        QTest::qWait(10);
    }
    const bool stillQuiet = sinceLast.elapsed() < TrayController::resizeDebounceMs;
    const int heightSoon = panel().height();
    if (stillQuiet) {
        EXPECT_EQ(heightSoon, fitting.height() / 2);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel().height() == fitting.height(); }));
    EXPECT_EQ(panel().geometry().topLeft(), opened.topLeft());

    // Hidden, announcements resize nothing. The platform may still deliver the geometry of
    // the last resize while shown: let it land before making the window the wrong size.
    tray.togglePanel();
    QTest::qWait(20);
    panel().resize(fitting.width(), 100);
    lights().setSelected(lights().selected());
    QTest::qWait(2 * TrayController::resizeDebounceMs);
    EXPECT_EQ(panel().height(), 100);
}

// The shown panel turns dark and light with the desktop's preference; a toolkit palette that
// already suits the preference stays as it is.
TEST_F(TrayControllerTest, TheShownPanelFollowsTheDesktopsColourScheme) {
    using glowdeck::ColorScheme;
    using glowdeck::PanelStyle;
    const QPalette toolkit = QApplication::palette();
    ASSERT_FALSE(PanelStyle::isDark(toolkit));
    tray.togglePanel();
    ASSERT_TRUE(shown());
    {
        glowdeck::AppearanceFollower follower{QDBusConnection(QString())};
        for (const auto scheme : {ColorScheme::Dark, ColorScheme::Light, ColorScheme::Dark,
                                  ColorScheme::NoPreference}) {
            follower.apply(scheme);
            QApplication::processEvents(); // widgets hear of the application's palette so
            EXPECT_EQ(PanelStyle::isDark(panel().palette()), scheme == ColorScheme::Dark);
        }
        EXPECT_EQ(QApplication::palette(), toolkit);
    }
    QPalette darkToolkit = glowdeck::PanelPalette::dark();
    darkToolkit.setColor(QPalette::Window, QColor(10, 20, 30));
    QApplication::setPalette(darkToolkit);
    QApplication::processEvents();
    {
        glowdeck::AppearanceFollower follower{QDBusConnection(QString())};
        follower.apply(ColorScheme::Dark);
        QApplication::processEvents();
        EXPECT_EQ(panel().palette().color(QPalette::Window), QColor(10, 20, 30));
        follower.apply(ColorScheme::Light);
        QApplication::processEvents();
        EXPECT_FALSE(PanelStyle::isDark(panel().palette()));
    }
    QApplication::setPalette(toolkit);
}

TEST(DesktopClickCatcherTest, WantedOnGnomeOnly) {
    const auto wanted = [](const std::optional<std::string>& desktop) {
        return glowdeck::DesktopClickCatcher::wanted(
            [&](const char* name) -> std::optional<std::string> {
                return std::string(name) == "XDG_CURRENT_DESKTOP" ? desktop : std::nullopt;
            });
    };
    for (const char* desktop : {"GNOME", "ubuntu:GNOME", "GNOME-Classic:GNOME"})
        EXPECT_TRUE(wanted(desktop)) << desktop;
    for (const char* desktop : {"GNOME-Flashback", "KDE", "XFCE", ""})
        EXPECT_FALSE(wanted(desktop)) << desktop;
    EXPECT_FALSE(wanted(std::nullopt));
}
