#include "PanelRig.h"

#include "panel/AllLightsRow.h"
#include "panel/AppearanceSection.h"
#include "panel/LightTile.h"
#include "panel/PowerButton.h"
#include "panel/PowerSwitch.h"
#include "panel/PresetTile.h"
#include "panel/PresetsSection.h"
#include "panel/ReleaseSlider.h"
#include "panel/SegmentedControl.h"
#include "panel/ToneLabel.h"
#include "panel/TrackingSlider.h"
#include "panel/WholeNumber.h"

#include <QAccessible>
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

// A light shown in colour mode tells what it is: the panel keeps the controls it takes, the
// temperature slider spans its range, and presets it lacks are disabled and say why.
TEST(PanelDevices, EachClassShowsOnlyTheControlsItTakes) {
    const struct {
        const char* module;
        const char* cctRange;
        bool brightness, mode, white, colour;
        double low, high;
        int presets; // enabled
    } cases[] = {
        {"ESP01_SHRGB1C_31", "[2200,2700,6500,6500]", true, true, false, true, 2200, 6500, 12},
        {"ESP21_SHTW_01", "[2700,5000]", true, false, true, false, 2700, 5000, 6},
        {"ESP05_SHDW_21", "[2700,2700]", true, false, false, false, 2200, 6500, 2},
        {"ESP10_SOCKET_06", "[]", false, false, false, false, 2200, 6500, 0},
        {"ESP03_FANDIMS_31", "[]", true, false, false, false, 2200, 6500, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        PanelRig rig(oneBulb);
        AppearanceSection* section = rig.panel->appearance();
        section->modeControl()->segment(1)->click();
        rig.lights->setPanelVisible(true);
        rig.report("10.0.0.5", R"({"state":true,"temp":2200})");
        rig.loop.advance(Duration::zero());
        rig.lights->receiveReply(
            std::string(R"({"method":"getSystemConfig","result":{"moduleName":")") + c.module +
                R"("}})",
            "10.0.0.5");
        rig.lights->receiveReply(
            std::string(R"({"method":"getModelConfig","result":{"cctRange":)") + c.cctRange + "}}",
            "10.0.0.5");
        rig.settle();

        EXPECT_EQ(section->brightnessRows()->isVisible(), c.brightness);
        EXPECT_EQ(section->modeControl()->isVisible(), c.mode);
        EXPECT_EQ(section->whiteRows()->isVisible(), c.white);
        EXPECT_EQ(section->colourRows()->isVisible(), c.colour);
        const TrackingSlider* slider = section->temperatureSlider()->slider();
        EXPECT_EQ(slider->minimumReal(), c.low);
        EXPECT_EQ(slider->maximumReal(), c.high);
        EXPECT_EQ(slider->realValue(), c.low) << "the report's 2200 K, within the range";
        int enabled = 0;
        for (PresetTile* tile : rig.panel->presets()->tiles()) {
            enabled += tile->isEnabled();
            EXPECT_EQ(tile->accessibleDescription().isEmpty(), tile->isEnabled());
        }
        EXPECT_EQ(enabled, c.presets);
    }
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
