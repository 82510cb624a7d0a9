#include "panel/ColorPanelController.h"

#include <QColorDialog>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace glowdeck;

namespace {

struct Delivery {
    QColor color;
    qint64 atMs;
};

class ColorPanelTest : public ::testing::Test {
protected:
    void TearDown() override { colors.dismiss(); }

    // A callback that records what reaches it, and when.
    std::function<void(const QColor&)> recordInto(std::vector<Delivery>& into) {
        return [this, &into](const QColor& c) { into.push_back({c, clock.elapsed()}); };
    }
    // The dialog reports a colour, as it does while the user drags.
    void userPicks(const QColor& c) { Q_EMIT colors.dialog()->currentColorChanged(c); }
    // Lets timers run for a while, bounded.
    static void settle(int ms = 3 * ColorPanelController::debounceMs) { QTest::qWait(ms); }

    ColorPanelController colors;
    QElapsedTimer clock;
    std::vector<Delivery> got;
};

TEST_F(ColorPanelTest, AStreamOfChangesDeliversOnlyTheLastAfterStillness) {
    colors.show(Qt::white, recordInto(got));
    clock.start();
    // The last one in another colour model: it arrives converted to RGB.
    const std::vector<QColor> stream{QColor(10, 20, 30), QColor(40, 50, 60),
                                     QColor::fromHsv(0, 255, 255)};
    qint64 lastChange = 0;
    qint64 longestGap = 0;
    for (const QColor& c : stream) {
        longestGap = std::max(longestGap, clock.elapsed() - lastChange);
        lastChange = clock.elapsed();
        userPicks(c);
        QTest::qWait(30);
    }
    settle();
    if (longestGap > ColorPanelController::debounceMs * 8 / 10)
        GTEST_SKIP() << "changes came " << longestGap << " ms apart; the machine is too busy";
    ASSERT_EQ(got.size(), 1u);
    // QColor equality compares the colour model too, so this also requires RGB.
    EXPECT_EQ(got[0].color, got[0].color.toRgb());
    EXPECT_EQ(got[0].color, QColor(255, 0, 0));
    // Not before the quiet period after the last change.
    EXPECT_GE(got[0].atMs - lastChange, ColorPanelController::debounceMs - 5);
}

TEST_F(ColorPanelTest, APendingDeliveryKeepsItsCallbackAndAnInvalidColourIsIgnored) {
    std::vector<Delivery> second;
    colors.show(Qt::white, recordInto(got));
    userPicks(Qt::red);
    colors.show(Qt::black, recordInto(second));
    settle();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].color, QColor(Qt::red));
    EXPECT_TRUE(second.empty());

    userPicks(Qt::green);
    userPicks(QColor()); // keeps the pending green
    settle();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].color, QColor(Qt::green));
    EXPECT_EQ(got.size(), 1u);
}

TEST_F(ColorPanelTest, ClosingTheDialogByHandKeepsDelivering) {
    colors.show(Qt::white, recordInto(got));
    userPicks(Qt::yellow);
    colors.dialog()->close();
    settle();
    userPicks(Qt::magenta);
    settle();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].color, QColor(Qt::yellow));
    EXPECT_EQ(got[1].color, QColor(Qt::magenta));
}

} // namespace
