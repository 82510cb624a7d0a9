#include "panel/ReleaseSlider.h"
#include "panel/TrackingSlider.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <variant>
#include <vector>

using namespace glowdeck;

namespace {

// What a ReleaseSlider reported, in order: editing flags and edited values.
using Report = std::variant<bool, double>;

struct Recorder {
    std::vector<Report> reports;
    QObject context;
    explicit Recorder(ReleaseSlider& slider) {
        QObject::connect(&slider, &ReleaseSlider::editingChanged, &context,
                         [this](bool editing) { reports.emplace_back(editing); });
        QObject::connect(&slider, &ReleaseSlider::valueEdited, &context,
                         [this](double value) { reports.emplace_back(value); });
    }
    int flags(bool which) const {
        int n = 0;
        for (const auto& r : reports)
            n += std::holds_alternative<bool>(r) && std::get<bool>(r) == which;
        return n;
    }
};

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        brightness = std::make_unique<ReleaseSlider>(10.0, 100.0, "Brightness");
        brightness->resize(300, 26);
        brightness->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(brightness.get()));
        brightness->setValue(100.0);
    }
    TrackingSlider* knob() const { return brightness->slider(); }
    QPoint at(double fraction) const {
        return QPoint(static_cast<int>(knob()->width() * fraction), knob()->height() / 2);
    }

    std::unique_ptr<ReleaseSlider> brightness;
};

TEST_F(SliderTest, ChangesOutsideAPressEndWithALoneRelease) {
    struct Case {
        const char* how;
        std::function<void(TrackingSlider*)> change;
        double expected;
    };
    const std::vector<Case> cases{
        {"arrow key", [](TrackingSlider* s) { QTest::keyClick(s, Qt::Key_Left); }, 99.0},
        {"page key", [](TrackingSlider* s) { QTest::keyClick(s, Qt::Key_PageDown); }, 90.0},
        {"assistive technology",
         [](TrackingSlider* s) {
             QAccessibleInterface* a = QAccessible::queryAccessibleInterface(s);
             ASSERT_NE(a, nullptr);
             QAccessibleValueInterface* v = a->valueInterface();
             ASSERT_NE(v, nullptr);
             // It works in the slider's own units, not the integer grid underneath.
             EXPECT_EQ(v->currentValue().toDouble(), 100.0);
             EXPECT_EQ(v->minimumValue().toDouble(), 10.0);
             v->setCurrentValue(42.5);
         },
         42.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        brightness->setValue(100.0);
        knob()->setFocus();
        Recorder rec(*brightness);
        c.change(knob());
        ASSERT_EQ(rec.reports.size(), 2u);
        EXPECT_EQ(rec.reports[0], Report(c.expected));
        EXPECT_EQ(rec.reports[1], Report(false));
        EXPECT_EQ(brightness->value(), c.expected);
        EXPECT_EQ(knob()->value(), knob()->toPosition(c.expected)) << "the knob moved there";
    }
}

// One notch of a mouse wheel, or one event of a touchpad swipe, over the slider.
void turnWheel(TrackingSlider* slider, int steps = 1) {
    const QPointF local(slider->width() / 2.0, slider->height() / 2.0);
    QWheelEvent notch(local, slider->mapToGlobal(local), QPoint(), QPoint(0, 120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &notch);
}

TEST_F(SliderTest, AWheelGestureIsOneEditEndingWhenTheWheelRests) {
    brightness->setValue(50.0);
    Recorder rec(*brightness);
    for (int i = 0; i < 5; ++i) {
        turnWheel(knob());
        EXPECT_TRUE(knob()->editing());
    }
    brightness->setValue(20.0); // a report meanwhile leaves it where the wheel put it
    EXPECT_GT(brightness->value(), 50.0);
    EXPECT_EQ(rec.reports.front(), Report(true));
    EXPECT_EQ(rec.flags(false), 0);
    EXPECT_EQ(rec.reports.size(), 6u); // true, then the five values
    const double turned = brightness->value();

    ASSERT_TRUE(QTest::qWaitFor([&] { return rec.flags(false) == 1; }, 2000));
    EXPECT_FALSE(knob()->editing());
    EXPECT_EQ(rec.reports.back(), Report(false));
    EXPECT_EQ(rec.flags(true), 1);
    EXPECT_EQ(brightness->value(), turned);
    brightness->setValue(20.0);
    EXPECT_EQ(brightness->value(), 20.0);

    // A press during a gesture carries it on to the release.
    turnWheel(knob(), -1);
    QTest::mousePress(knob(), Qt::LeftButton, {}, at(0.5));
    QTest::qWait(TrackingSlider::wheelGestureEnd.count() + 100);
    EXPECT_TRUE(knob()->editing());
    QTest::mouseRelease(knob(), Qt::LeftButton, {}, at(0.5));
    EXPECT_EQ(rec.flags(true), 2);
    EXPECT_EQ(rec.flags(false), 2);
}

TEST_F(SliderTest, HidingDuringAPressEndsIt) {
    Recorder rec(*brightness);
    QTest::mousePress(knob(), Qt::LeftButton, {}, at(0.5));
    brightness->hide();
    EXPECT_FALSE(knob()->trackingMouse());
    EXPECT_EQ(rec.flags(false), 1);
    // The model can move it again, and a stray release adds nothing.
    brightness->setValue(30.0);
    EXPECT_EQ(brightness->value(), 30.0);
    QTest::mouseRelease(knob(), Qt::LeftButton, {}, at(0.5));
    EXPECT_EQ(rec.flags(true), 1);
    EXPECT_EQ(rec.flags(false), 1);
}

TEST_F(SliderTest, DestroyingDuringAPressIsSafe) {
    bool released = false;
    QObject::connect(brightness.get(), &ReleaseSlider::editingChanged,
                     [&](bool editing) { released = !editing; });
    QTest::mousePress(knob(), Qt::LeftButton, {}, at(0.5));
    brightness.reset();
    EXPECT_FALSE(released);
}

} // namespace
