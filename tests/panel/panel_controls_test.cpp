#include "PanelRig.h"

#include "panel/AllLightsRow.h"
#include "panel/AppearanceSection.h"
#include "panel/Colors.h"
#include "panel/LightTile.h"
#include "panel/PowerButton.h"
#include "panel/PowerSwitch.h"
#include "panel/PresetTile.h"
#include "panel/PresetsSection.h"
#include "panel/ReleaseSlider.h"
#include "panel/SegmentedControl.h"
#include "panel/SwatchButton.h"
#include "panel/ToneLabel.h"
#include "panel/TrackingSlider.h"
#include "panel/WholeNumber.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace glowdeck;
using namespace glowdeck::testing;
using json = nlohmann::json;

namespace {

// The user presses a slider, drags it to `value` and, unless `release` is false, lets go.
void drag(ReleaseSlider* slider, double value, bool release = true) {
    Q_EMIT slider->editingChanged(true);
    Q_EMIT slider->valueEdited(value);
    if (release)
        Q_EMIT slider->editingChanged(false);
}

TEST(PanelSliders, AMouseDragSendsOnlyOnReleaseAndReportsMeanwhileMoveOnlyTheOtherSlider) {
    PanelRig rig(oneBulb);
    TrackingSlider* slider = rig.panel->appearance()->brightnessSlider()->slider();
    const int y = slider->height() / 2;
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(slider->width() / 4, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(slider->width() / 3, y),
                     slider->mapToGlobal(QPointF(slider->width() / 3, y)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(slider, &move);
    EXPECT_TRUE(rig.panel->editingBrightness());
    EXPECT_TRUE(rig.net.sent.empty());

    // A report while the knob is held moves neither the knob nor the label.
    const double held = rig.panel->brightness();
    const QString label = rig.panel->appearance()->brightnessLabel()->text();
    rig.report("10.0.0.5", R"({"state":true,"dimming":95,"temp":4000})");
    EXPECT_DOUBLE_EQ(slider->realValue(), held);
    EXPECT_EQ(rig.panel->brightness(), held);
    EXPECT_EQ(rig.panel->appearance()->brightnessLabel()->text(), label);
    EXPECT_EQ(rig.panel->temperature(), 4000); // the other slider still follows

    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(slider->width() / 3, y));
    ASSERT_EQ(rig.commands().size(), 1u);
    const auto dimming = rig.commands()[0].second["dimming"].get<std::int64_t>();
    EXPECT_EQ(dimming, static_cast<std::int64_t>(held));
    EXPECT_GT(dimming, 10);
    EXPECT_LT(dimming, 95);
    // Let go, it follows the light again.
    rig.report("10.0.0.5", R"({"state":true,"dimming":55})");
    EXPECT_EQ(rig.panel->brightness(), 55);
    EXPECT_DOUBLE_EQ(slider->realValue(), 55);
}

TEST(PanelSliders, KeyboardChangesSendAtOnce) {
    PanelRig rig(oneBulb);
    TrackingSlider* slider = rig.panel->appearance()->temperatureSlider()->slider();
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    QTest::keyClick(slider, Qt::Key_Left);
    const auto commands = rig.commands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_TRUE(commands[0].second.contains("temp"));
    EXPECT_LT(commands[1].second["temp"].get<int>(), 2700);
    EXPECT_FALSE(rig.panel->editingTemperature());
}

// A release sends the whole number the caption shows: brightness toward zero, the temperature
// to the nearest hundred.
TEST(PanelSliders, AReleaseSendsOnceWithTheCaptionsWholeNumber) {
    const struct {
        bool brightness;
        double released;
        json sent;
        const char* caption;
    } cases[] = {{true, 37.8, {{"state", true}, {"dimming", 37}}, "37%"},
                 {false, 2749.9, {{"state", true}, {"temp", 2700}}, "2749 K"},
                 {false, 2750.0, {{"state", true}, {"temp", 2800}}, "2750 K"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.released);
        PanelRig rig(oneBulb);
        AppearanceSection* section = rig.panel->appearance();
        ReleaseSlider* slider =
            c.brightness ? section->brightnessSlider() : section->temperatureSlider();
        drag(slider, c.released, false);
        EXPECT_TRUE(rig.panel->editingBrightness() || rig.panel->editingTemperature());
        EXPECT_TRUE(rig.net.sent.empty());
        EXPECT_EQ((c.brightness ? section->brightnessLabel() : section->temperatureLabel())
                      ->text()
                      .toStdString(),
                  c.caption);
        Q_EMIT slider->editingChanged(false);
        EXPECT_FALSE(rig.panel->editingBrightness() || rig.panel->editingTemperature());
        ASSERT_EQ(rig.commands().size(), 1u);
        EXPECT_EQ(rig.commands()[0], std::make_pair(std::string("10.0.0.5"), c.sent));
    }
}

TEST(PanelSliders, AnAbsurdReportedBrightnessIsShownAndSentWithoutOverflow) {
    PanelRig rig(oneBulb);
    rig.report("10.0.0.5", R"({"state":true,"dimming":1e300})");
    EXPECT_EQ(rig.panel->appearance()->brightnessLabel()->text(), "9223372036854775807%");
    Q_EMIT rig.panel->appearance()->brightnessSlider()->editingChanged(true);
    Q_EMIT rig.panel->appearance()->brightnessSlider()->editingChanged(false);
    ASSERT_EQ(rig.commands().size(), 1u);
    EXPECT_EQ(rig.commands()[0].second["dimming"], std::numeric_limits<std::int64_t>::max());
}

TEST(PanelSliders, WholeNumbersSaturateInsteadOfOverflowing) {
    constexpr auto top = std::numeric_limits<std::int64_t>::max();
    constexpr auto bottom = std::numeric_limits<std::int64_t>::min();
    const struct {
        double value;
        std::int64_t towardZero;
        std::int64_t nearestHundred;
    } cases[] = {
        {37.8, 37, 0},        {-0.5, 0, 0},      {-150, -150, -200},       {6549.99, 6549, 6500},
        {std::nan(""), 0, 0}, {1e300, top, top}, {-1e300, bottom, bottom}, {9.3e18, top, top},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeNumber::towardZero(c.value), c.towardZero) << c.value;
        EXPECT_EQ(WholeNumber::nearestHundred(c.value), c.nearestHundred) << c.value;
    }
}

TEST(PanelSliders, ReportsAreCopiedWithTheTemperatureClampedAndSendNothing) {
    const struct {
        const char* pilot;
        double brightness;
        double temperature;
    } cases[] = {{R"({"state":true,"temp":1800})", 100, 2200},
                 {R"({"state":true,"temp":7000})", 100, 6500},
                 {R"({"state":true,"dimming":5,"temp":4100})", 5, 4100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pilot);
        PanelRig rig(oneBulb);
        rig.report("10.0.0.5", c.pilot);
        EXPECT_EQ(rig.panel->brightness(), c.brightness);
        EXPECT_EQ(rig.panel->temperature(), c.temperature);
        EXPECT_TRUE(rig.net.sent.empty());
    }
}

TEST(PanelSync, SelectingAnotherLightDismissesThePickerAndLoadsItsValuesEvenMidDrag) {
    PanelRig rig(twoBulbs);
    rig.report("10.0.0.5", R"({"state":true,"dimming":30,"temp":3000})");
    rig.report("10.0.0.6", R"({"state":true,"dimming":90,"temp":6000})");
    rig.panel->showColors();
    ASSERT_TRUE(rig.panel->colors().dialog()->isVisible());
    drag(rig.panel->appearance()->brightnessSlider(), 44, false);

    rig.lights->setSelected("10.0.0.6");
    rig.settle();
    EXPECT_FALSE(rig.panel->colors().dialog()->isVisible());
    EXPECT_EQ(rig.panel->brightness(), 90);
    EXPECT_EQ(rig.panel->temperature(), 6000);
    // Dismissed, not just hidden: a late change from the dialog goes to neither light.
    Q_EMIT rig.panel->colors().dialog()->currentColorChanged(Qt::green);
    QTest::qWait(ColorPanelController::debounceMs + 80);
    EXPECT_TRUE(rig.commands().empty());
}

TEST(PanelSync, ShowingThePanelCopiesTheCurrentLight) {
    PanelRig rig(oneBulb);
    rig.panel->hide();
    drag(rig.panel->appearance()->brightnessSlider(), 20);
    drag(rig.panel->appearance()->temperatureSlider(), 5000);
    rig.panel->show();
    EXPECT_EQ(rig.panel->brightness(), 100);
    EXPECT_EQ(rig.panel->temperature(), 2700);
    EXPECT_EQ(rig.panel->appearance()->brightnessLabel()->text(), "100%");
}

TEST(PanelMode, SwitchingShowsTheOtherRowsAndSendsNothing) {
    PanelRig rig(oneBulb);
    AppearanceSection* section = rig.panel->appearance();
    rig.report("10.0.0.5", R"({"state":true,"temp":4500})");
    EXPECT_TRUE(section->whiteRows()->isVisible());
    section->modeControl()->segment(1)->click();
    EXPECT_EQ(rig.panel->mode(), 1);
    EXPECT_FALSE(section->whiteRows()->isVisible());
    EXPECT_TRUE(section->colourRows()->isVisible());
    EXPECT_FALSE(section->moreColorsButton()->icon().isNull());
    // Back to white through the accessibility bridge, which toggles the segment.
    QAccessibleInterface* white =
        QAccessible::queryAccessibleInterface(section->modeControl()->segment(0));
    ASSERT_NE(white, nullptr);
    white->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(rig.panel->mode(), 0);
    EXPECT_TRUE(section->whiteRows()->isVisible());
    EXPECT_EQ(rig.panel->temperature(), 4500);
    EXPECT_TRUE(rig.net.sent.empty());
}

TEST(PanelColour, SwatchesAndPickedColoursSendAtOnceAndSwatchesFillTheRowEvenly) {
    PanelRig rig(twoBulbs);
    AppearanceSection* section = rig.panel->appearance();
    section->modeControl()->segment(1)->click();
    rig.panel->resize(rig.panel->sizeHint());
    rig.settle();
    const auto& swatches = section->swatchButtons();
    for (SwatchButton* swatch : swatches)
        EXPECT_NEAR(swatch->width(), swatches[0]->width(), 1);
    EXPECT_EQ(swatches[0]->accessibleName(), "Red");

    swatches[0]->click();
    ASSERT_EQ(rig.commands().size(), 1u);
    EXPECT_EQ(rig.commands()[0].first, "10.0.0.5");
    const QColor red = swatches[0]->color().toRgb();
    EXPECT_EQ(rig.commands()[0].second, json({{"state", true},
                                              {"r", component255(red.redF())},
                                              {"g", component255(red.greenF())},
                                              {"b", component255(red.blueF())}}));
    EXPECT_EQ(rig.panel->color(), red);

    // A colour from the picker: halves round up, and an invalid one sends nothing.
    rig.panel->applyColor(QColor());
    rig.panel->applyColor(QColor::fromRgbF(1.0f, 0.5f, 0.0f));
    ASSERT_EQ(rig.commands().size(), 2u);
    EXPECT_EQ(rig.commands()[1].second, json({{"state", true}, {"r", 255}, {"g", 128}, {"b", 0}}));
}

TEST(PanelPresets, OnlyTheSceneOfALightThatIsOnIsMarked) {
    const struct {
        const char* pilot;
        const char* active; // "" for none
    } cases[] = {{R"({"state":true,"sceneId":14})", "Night"},
                 {R"({"state":false,"sceneId":14})", ""},
                 {R"({"state":true,"sceneId":9})", ""},
                 {R"({"state":true})", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pilot);
        PanelRig rig(oneBulb);
        rig.report("10.0.0.5", c.pilot);
        PresetsSection* presets = rig.panel->presets();
        QStringList active;
        for (PresetTile* tile : presets->tiles()) {
            if (tile->isActive())
                active << tile->accessibleName();
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(tile);
            ASSERT_NE(face, nullptr);
            EXPECT_EQ(bool(face->state().checked), tile->isActive());
        }
        const QString expected = QString::fromUtf8(c.active);
        EXPECT_EQ(active, expected.isEmpty() ? QStringList() : QStringList{expected});
        EXPECT_EQ(presets->activeName()->isVisible(), !expected.isEmpty());
        if (!expected.isEmpty()) {
            EXPECT_EQ(presets->activeName()->text(), expected);
        }
    }
}

TEST(PanelPresets, ATileSendsItsSceneToTheSelectedLightOnlyAndDoesNotMarkItself) {
    PanelRig rig(twoBulbs);
    const auto& tiles = rig.panel->presets()->tiles();
    ASSERT_EQ(tiles.size(), 12);
    PresetTile* candle = tiles.back();
    ASSERT_EQ(candle->accessibleName(), "Candle");
    candle->click();
    EXPECT_FALSE(candle->isActive());
    ASSERT_EQ(rig.commands().size(), 1u);
    EXPECT_EQ(rig.commands()[0].first, "10.0.0.5");
    EXPECT_EQ(rig.commands()[0].second, json({{"state", true}, {"sceneId", 29}}));
    EXPECT_EQ(tiles[0]->height(), PresetTile::tileHeight);
    // Three to a row, the row filled.
    EXPECT_EQ(tiles[3]->x(), tiles[0]->x());
    EXPECT_EQ(tiles[2]->geometry().right(), tiles[0]->parentWidget()->contentsRect().right());

    // Through the accessibility bridge, which toggles a checkable button instead of clicking it.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(tiles[2]);
    ASSERT_NE(face, nullptr);
    ASSERT_TRUE(face->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(tiles[2]->isActive());
    ASSERT_EQ(rig.commands().size(), 2u);
    EXPECT_EQ(rig.commands()[1].second, json({{"state", true}, {"sceneId", 14}}));
}

TEST(PanelPower, ButtonAndSwitchSendToTheSelectedLightAndTheRowToEveryLight) {
    PanelRig rig(twoBulbs);
    rig.report("10.0.0.5", R"({"state":true})");
    LightTile* tile = rig.panel->lightTile();
    tile->powerButton()->click();
    ASSERT_EQ(rig.commands().size(), 1u);
    EXPECT_EQ(rig.commands()[0], std::make_pair(std::string("10.0.0.5"), json({{"state", false}})));

    // Flipped through the accessibility bridge, which toggles without clicking.
    PowerSwitch* power = tile->powerSwitch();
    ASSERT_TRUE(power->isChecked());
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(power);
    ASSERT_NE(face, nullptr);
    face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_EQ(rig.commands().size(), 2u);
    EXPECT_EQ(rig.commands()[1].second, json({{"state", false}}));
    EXPECT_TRUE(power->isChecked()); // still the reported state until the light says otherwise
    rig.report("10.0.0.5", R"({"state":false})");
    EXPECT_FALSE(power->isChecked());

    // The all-lights row switches every light.
    rig.panel->allLightsRow()->offButton()->click();
    rig.panel->allLightsRow()->onButton()->click();
    const auto commands = rig.commands();
    ASSERT_EQ(commands.size(), 6u);
    EXPECT_EQ(commands[2].first, "10.0.0.5");
    EXPECT_EQ(commands[3].first, "10.0.0.6");
    EXPECT_EQ(commands[3].second, json({{"state", false}}));
    EXPECT_EQ(commands[5].second, json({{"state", true}}));
}

} // namespace
