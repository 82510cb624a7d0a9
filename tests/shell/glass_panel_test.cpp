#include "Spin.h"
#include "shell/GlassPanel.h"
#include "shell/GlassSurface.h"
#include "shell/GlassView.h"
#include "shell/OutsideClickWatch.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using glowdeck::GlassPanel;
using glowdeck::GlassSurface;
using glowdeck::GlassView;
using glowdeck::OutsideClickWatch;
using glowdeck::testing::spinFor;

namespace {

GlassView* glassWith(QSize contentSize) {
    auto* glass = new GlassView;
    auto* content = new QLabel;
    content->setFixedSize(contentSize);
    glass->setContentView(content);
    return glass;
}

struct PanelRig {
    GlassPanel panel;
    int hides = 0;
    PanelRig() {
        panel.setSurface(new GlassSurface(glassWith({324, 200})));
        panel.onHide = [this] { ++hides; };
    }
};

} // namespace

TEST(GlassPanelTest, HidingEscapeAndCloseRequestsRunOnHideOnlyForAShownPanel) {
    PanelRig rig;
    rig.panel.orderOut();
    EXPECT_EQ(rig.hides, 0);

    rig.panel.makeKeyAndOrderFront();
    ASSERT_TRUE(rig.panel.isVisible());
    rig.panel.orderOut();
    EXPECT_FALSE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 1);
    rig.panel.orderOut();
    EXPECT_EQ(rig.hides, 1);

    rig.panel.makeKeyAndOrderFront();
    QTest::keyClick(&rig.panel, Qt::Key_Escape);
    EXPECT_FALSE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 2);

    // Granted, or quitting the application with the panel shown would be refused.
    rig.panel.makeKeyAndOrderFront();
    EXPECT_TRUE(rig.panel.close());
    EXPECT_FALSE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 3);

    // Other keys leave the panel alone.
    rig.panel.makeKeyAndOrderFront();
    QTest::keyClick(&rig.panel, Qt::Key_A);
    EXPECT_TRUE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 3);
}

TEST(GlassPanelTest, GlassKeepsItsMarginWhateverTheWindowSize) {
    PanelRig rig;
    GlassSurface* surface = rig.panel.surface();
    rig.panel.makeKeyAndOrderFront();
    for (QSize size : {QSize(356, 232), QSize(356, 700), QSize(500, 300), QSize(40, 40)}) {
        rig.panel.resize(size);
        EXPECT_EQ(surface->geometry(), QRect(QPoint(0, 0), size));
        EXPECT_EQ(surface->glass()->geometry(),
                  QRect(QPoint(0, 0), size).adjusted(16, 16, -16, -16));
    }
}

TEST(GlassPanelTest, SurfaceMeasuresItsContentPlusMargins) {
    GlassSurface sized(glassWith({324, 410}));
    EXPECT_EQ(sized.fittingSize(), QSize(356, 442));
    EXPECT_EQ(sized.size(), QSize(356, 442));

    GlassSurface empty(new GlassView);
    EXPECT_EQ(empty.fittingSize(), QSize(356, 632));
    EXPECT_EQ(empty.size(), QSize(356, 632));
}

TEST(OutsideClickWatchTest, ReportsFocusLeavingTheApplicationOnceSettled) {
    int outside = 0;
    OutsideClickWatch watch([&] { ++outside; });
    // Another window of this application taking the focus is not an outside click.
    auto other = std::make_unique<QWidget>();
    other->show();
    other->activateWindow();
    ASSERT_TRUE(glowdeck::testing::spinUntil(
        [&] { return QGuiApplication::focusWindow() == other->windowHandle(); }));
    watch.focusChanged(other->windowHandle());
    spinFor(20);
    EXPECT_EQ(outside, 0);

    // The focused window goes away and nothing of ours has the focus. Two notices before the
    // loop runs are one outside click.
    other.reset();
    ASSERT_EQ(QGuiApplication::focusWindow(), nullptr);
    watch.focusChanged(nullptr);
    watch.focusChanged(nullptr);
    spinFor(20);
    EXPECT_EQ(outside, 1);
}

TEST(OutsideClickWatchTest, FocusBackBeforeTheLoopRunsIsNoOutsideClick) {
    int outside = 0;
    GlassPanel panel;
    panel.resize(100, 100);
    panel.makeKeyAndOrderFront();
    ASSERT_TRUE(
        glowdeck::testing::spinUntil([] { return QGuiApplication::focusWindow() != nullptr; }));
    OutsideClickWatch watch([&] { ++outside; });
    watch.focusChanged(nullptr); // the focus comes straight back: it never left
    spinFor(20);
    EXPECT_EQ(outside, 0);
}

TEST(OutsideClickWatchTest, EndsWhenDestroyed) {
    int outside = 0;
    auto watch = std::make_unique<OutsideClickWatch>([&] { ++outside; });
    watch->focusChanged(nullptr);
    watch.reset();
    spinFor(20);
    EXPECT_EQ(outside, 0);
}
