#include "shell/window/OutsideClickWatch.h"
#include "shell/window/PanelWindow.h"

#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

using glowdeck::OutsideClickWatch;
using glowdeck::PanelWindow;

namespace {

// Content that asks for a size and takes whatever it is given.
class Content : public QWidget {
public:
    explicit Content(QSize wanted) : wanted_(wanted) {}
    QSize sizeHint() const override { return wanted_; }

private:
    QSize wanted_;
};

struct PanelRig {
    PanelWindow panel{new Content({324, 200})};
    int hides = 0;
    PanelRig() {
        panel.onHide = [this] { ++hides; };
    }
};

} // namespace

TEST(PanelWindowTest, HidingAndCloseRequestsRunOnHideOnlyForAShownPanel) {
    PanelRig rig;
    rig.panel.hide();
    EXPECT_EQ(rig.hides, 0);

    rig.panel.showAndActivate();
    ASSERT_TRUE(rig.panel.isVisible());
    rig.panel.hide();
    EXPECT_FALSE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 1);
    rig.panel.hide();
    EXPECT_EQ(rig.hides, 1);

    // Granted, or quitting the application with the panel shown would be refused.
    rig.panel.showAndActivate();
    EXPECT_TRUE(rig.panel.close());
    EXPECT_FALSE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 2);

    // Keys other than Escape, and presses on the sheet, leave the panel alone; a press in the
    // transparent margin hides it once the button comes up, so that the release does not reach
    // what lies below either.
    rig.panel.showAndActivate();
    QTest::keyClick(&rig.panel, Qt::Key_A);
    QTest::mouseClick(&rig.panel, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 2);
    QTest::mousePress(&rig.panel, Qt::LeftButton, {}, QPoint(8, 100));
    EXPECT_TRUE(rig.panel.isVisible());
    QTest::mouseRelease(&rig.panel, Qt::LeftButton, {}, QPoint(8, 100));
    EXPECT_FALSE(rig.panel.isVisible());
    EXPECT_EQ(rig.hides, 3);
}

TEST(PanelWindowTest, MeasuresItsContentAndKeepsItOnTheSheetWhateverTheSize) {
    PanelRig rig;
    EXPECT_EQ(rig.panel.fittingSize(), QSize(356, 232));
    EXPECT_EQ(rig.panel.size(), QSize(356, 232));
    EXPECT_EQ(PanelWindow().fittingSize(), QSize(356, 632));

    rig.panel.showAndActivate();
    for (QSize size : {QSize(356, 232), QSize(356, 700), QSize(500, 300), QSize(40, 40)}) {
        rig.panel.resize(size);
        EXPECT_EQ(rig.panel.content()->geometry(),
                  QRect(QPoint(0, 0), size).adjusted(16, 16, -16, -16));
    }
}

TEST(PanelWindowTest, UnderSwayShowsItsContentOnceSwayPlacedItOrAfterItsTriesRanOut) {
    // A sway socket nobody listens on: every placement fails, and the panel stays hidden
    // through the retries (40 tries 15 ms apart) before it shows its content where it is.
    QTemporaryDir dir;
    PanelWindow panel(new Content({324, 200}), dir.filePath("sway.sock"));
    panel.showAndActivate();
    ASSERT_TRUE(panel.isVisible());
    QTest::qWait(150);
    EXPECT_FALSE(panel.content()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.content()->isVisible(); }, 5000));
}

TEST(OutsideClickWatchTest, ReportsFocusLeavingTheApplicationOnceSettled) {
    int outside = 0;
    OutsideClickWatch watch([&] { ++outside; });
    // Another window of this application taking the focus is not an outside click.
    auto other = std::make_unique<QWidget>();
    other->show();
    other->activateWindow();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == other->windowHandle(); }));
    watch.focusChanged(other->windowHandle());
    QTest::qWait(20);
    EXPECT_EQ(outside, 0);

    // The focused window goes away and nothing of ours has the focus. Two notices before the
    // loop runs are one outside click.
    other.reset();
    ASSERT_EQ(QGuiApplication::focusWindow(), nullptr);
    watch.focusChanged(nullptr);
    watch.focusChanged(nullptr);
    QTest::qWait(20);
    EXPECT_EQ(outside, 1);
}

TEST(OutsideClickWatchTest, ReportsAClickOutsideTheApplicationsWindowsWhenItsButtonComesUp) {
    int outside = 0;
    OutsideClickWatch watch([&] { ++outside; });
    QWidget own;
    own.setGeometry(100, 100, 200, 200);
    own.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&own));
    const QPoint elsewhere(600, 500);
    const QPoint onOwn(150, 150);

    // Each row: the presses and releases (button, at; a release has no place), and whether
    // they make one outside click.
    struct Row {
        const char* what;
        std::vector<std::pair<int, std::optional<QPoint>>> steps;
        int clicks;
    };
    const std::vector<Row> rows = {
        {"left click elsewhere", {{1, elsewhere}, {1, std::nullopt}}, 1},
        {"right click elsewhere", {{3, elsewhere}, {3, std::nullopt}}, 1},
        {"a press alone", {{2, elsewhere}}, 0},
        {"a click on our window", {{1, onOwn}, {1, std::nullopt}}, 0},
        {"the wheel elsewhere", {{4, elsewhere}, {4, std::nullopt}, {5, elsewhere}}, 0},
        {"our click after one elsewhere went down",
         {{1, elsewhere}, {1, onOwn}, {1, std::nullopt}},
         0},
        {"two clicks elsewhere",
         {{1, elsewhere}, {1, std::nullopt}, {1, elsewhere}, {1, std::nullopt}},
         2},
    };
    for (const Row& row : rows) {
        outside = 0;
        for (const auto& [button, at] : row.steps) {
            if (at) {
                watch.buttonPressed(button, *at);
            } else {
                watch.buttonReleased(button);
            }
        }
        QTest::qWait(10);
        EXPECT_EQ(outside, row.clicks) << row.what;
    }

    // While this application holds the pointer (picking a colour from the screen), a click
    // anywhere is its own; while one of its menus is open, a click elsewhere closes the menu.
    outside = 0;
    own.grabMouse();
    watch.buttonPressed(1, elsewhere);
    own.releaseMouse();
    watch.buttonReleased(1);
    QMenu menu;
    menu.addAction(QStringLiteral("Add Light…"));
    menu.popup(onOwn);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    watch.buttonPressed(1, elsewhere);
    menu.close();
    watch.buttonReleased(1);
    QTest::qWait(10);
    EXPECT_EQ(outside, 0);
}
