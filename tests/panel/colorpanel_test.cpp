#include "panel/ColorPanelController.h"

#include <QColorDialog>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

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
