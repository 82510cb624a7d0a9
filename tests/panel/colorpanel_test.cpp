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
};

TEST_F(ColorPanelTest, ShowsOneNonModalDialogWithoutAlphaOrButtons) {
    EXPECT_EQ(colors.dialog(), nullptr);
    std::vector<Delivery> got;
    colors.show(Qt::red, recordInto(got));
    QColorDialog* first = colors.dialog();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    EXPECT_TRUE(first->testOption(QColorDialog::NoButtons));
    EXPECT_FALSE(first->testOption(QColorDialog::ShowAlphaChannel));
    EXPECT_EQ(first->currentColor(), QColor(Qt::red));

    colors.show(Qt::blue, recordInto(got));
    EXPECT_EQ(colors.dialog(), first);
    EXPECT_EQ(first->currentColor(), QColor(Qt::blue));
    // Opening on a colour is not a change.
    settle();
    EXPECT_TRUE(got.empty());
    colors.dismiss();
    EXPECT_FALSE(first->isVisible());
}

TEST_F(ColorPanelTest, AStreamOfChangesDeliversOnlyTheLastAfterStillness) {
    std::vector<Delivery> got;
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
    EXPECT_EQ(got[0].color.spec(), QColor::Rgb);
    EXPECT_EQ(got[0].color, QColor(255, 0, 0));
    // Not before the quiet period after the last change.
    EXPECT_GE(got[0].atMs - lastChange, ColorPanelController::debounceMs - 5);
}

TEST_F(ColorPanelTest, AnInvalidColourIsIgnoredAndKeepsThePendingOne) {
    std::vector<Delivery> got;
    colors.show(Qt::white, recordInto(got));
    userPicks(Qt::cyan);
    userPicks(QColor());
    settle();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].color, QColor(Qt::cyan));
}

TEST_F(ColorPanelTest, DismissDropsThePendingDeliveryAndTheCallback) {
    std::vector<Delivery> got;
    colors.show(Qt::white, recordInto(got));
    userPicks(Qt::red);
    colors.dismiss();
    EXPECT_FALSE(colors.hasPendingDelivery());
    settle();
    // A change after dismissal has nowhere to go either.
    userPicks(Qt::blue);
    settle();
    EXPECT_TRUE(got.empty());
}

TEST_F(ColorPanelTest, APendingDeliveryKeepsTheCallbackItWasScheduledWith) {
    std::vector<Delivery> first, second;
    colors.show(Qt::white, recordInto(first));
    userPicks(Qt::red);
    colors.show(Qt::black, recordInto(second));
    settle();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].color, QColor(Qt::red));
    EXPECT_TRUE(second.empty());

    userPicks(Qt::green);
    settle();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].color, QColor(Qt::green));
    EXPECT_EQ(first.size(), 1u);
}

TEST_F(ColorPanelTest, ClosingTheDialogByHandKeepsDelivering) {
    std::vector<Delivery> got;
    colors.show(Qt::white, recordInto(got));
    userPicks(Qt::yellow);
    colors.dialog()->close();
    settle();
    ASSERT_EQ(got.size(), 1u);
    userPicks(Qt::magenta);
    settle();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].color, QColor(Qt::magenta));
}

} // namespace
