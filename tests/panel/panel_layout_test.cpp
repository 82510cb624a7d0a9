#include "PanelRig.h"

#include "panel/AllLightsRow.h"
#include "panel/ControlTile.h"
#include "panel/LightPicker.h"
#include "panel/LightTile.h"
#include "panel/MessageLine.h"
#include "panel/PowerButton.h"
#include "panel/PowerSwitch.h"
#include "panel/PresetTile.h"
#include "panel/PresetsSection.h"
#include "panel/ToneLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>

using namespace glowdeck;
using namespace glowdeck::testing;
using namespace std::chrono_literals;

namespace {

TEST(PanelLayout, ShowsTheSectionsThatApply) {
    const struct {
        const char* what;
        const char* saved;
        bool clearSelection; // otherwise the controller's own choice stands
        bool lightSection, allLights, picker;
    } cases[] = {{"no lights", "[]", false, false, false, false},
                 {"none selected", twoBulbs, true, false, false, false},
                 {"one light", oneBulb, false, true, false, false},
                 {"two lights", twoBulbs, false, true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PanelRig rig(c.saved);
        if (c.clearSelection) {
            rig.lights->setSelected(std::nullopt);
            rig.settle();
        }
        Panel& panel = *rig.panel;
        EXPECT_EQ(panel.lightSection()->isVisible(), c.lightSection);
        EXPECT_EQ(panel.emptyTile()->isVisible(), !c.lightSection);
        EXPECT_EQ(panel.allLightsRow()->isVisible(), c.allLights);
        if (c.lightSection) {
            EXPECT_EQ(panel.lightTile()->picker()->isVisible(), c.picker);
            EXPECT_EQ(panel.lightTile()->nameLabel()->isVisible(), !c.picker);
        }
        EXPECT_EQ(panel.width(), Panel::panelWidth);
    }
}

TEST(PanelLayout, ForgettingTheLastLightFallsBackToDefaultsAndTheEmptyState) {
    PanelRig rig(oneBulb);
    rig.report("10.0.0.5", R"({"state":true,"dimming":40,"temp":5000})");
    ASSERT_EQ(rig.panel->brightness(), 40);
    rig.panel->forgetLight();
    rig.settle();
    EXPECT_EQ(rig.panel->brightness(), 100);
    EXPECT_EQ(rig.panel->temperature(), 2700);
    EXPECT_TRUE(rig.panel->emptyTile()->isVisible());
    EXPECT_FALSE(rig.panel->lightSection()->isVisible());
}

TEST(PanelLayout, MessageLineFollowsTheControllerAndWrapsInsideTheWidth) {
    PanelRig rig(oneBulb);
    MessageLine* line = rig.panel->messageLine();
    EXPECT_FALSE(line->isVisible());
    const int plainHeight = rig.panel->sizeHint().height();

    rig.lights->add("not an address"); // the controller posts its complaint
    rig.settle();
    ASSERT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), "Enter a valid bulb IPv4 address.");
    rig.panel->resize(rig.panel->sizeHint());
    rig.settle();
    EXPECT_FALSE(line->wraps());
    EXPECT_TRUE(line->alignment() & Qt::AlignHCenter);
    const int oneLine = rig.panel->sizeHint().height();
    EXPECT_GT(oneLine, plainHeight);

    // A long failure message: the panel keeps its width and grows in height instead.
    rig.net.unreachable.insert("10.0.0.5");
    rig.lights->control({{"state", true}}, false);
    rig.settle();
    rig.panel->resize(rig.panel->sizeHint());
    rig.settle();
    EXPECT_EQ(line->text(), "Could not send to 10.0.0.5. Check local network access.");
    EXPECT_TRUE(line->wraps());
    EXPECT_TRUE(line->alignment() & Qt::AlignLeft);
    EXPECT_EQ(rig.panel->sizeHint().width(), Panel::panelWidth);
    EXPECT_LE(line->width(), Panel::panelWidth);
    EXPECT_GT(rig.panel->sizeHint().height(), oneLine);
    EXPECT_GE(line->height(), 2 * line->fontMetrics().lineSpacing());

    // An accepted report clears the message and the line goes away.
    rig.report("10.0.0.5", R"({"state":true})");
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(rig.panel->sizeHint().height(), plainHeight);
}

// The rows of the preset grid, each a tile's height plus the gap apart: nothing overlaps.
void expectPresetRowsApart(Panel& panel) {
    const auto& tiles = panel.presets()->tiles();
    for (int i = 3; i < tiles.size(); i += 3)
        EXPECT_EQ(tiles[i]->y() - tiles[i - 3]->y(), PresetTile::tileHeight + 7) << i;
}

TEST(PanelLayout, AShortPanelScrollsAndGrowingContentIsCutNotSqueezed) {
    PanelRig rig(twoBulbs);
    Panel& panel = *rig.panel;
    QScrollArea* scroll = panel.scrollArea();
    const int natural = panel.sizeHint().height();

    // A screen too short for it: the content keeps its height and scrolls.
    panel.resize(Panel::panelWidth, 400);
    rig.settle();
    EXPECT_GE(panel.content()->height(), natural);
    EXPECT_EQ(panel.content()->width(), Panel::panelWidth) << "the bar lies over the padding";
    expectPresetRowsApart(panel);
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_LE(scroll->verticalScrollBar()->width(), Panel::padding);

    // Every control can be reached: the keyboard brings the last one into view, and so does the
    // wheel.
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel, 1000));
    QWidget* last = panel.allLightsRow()->offButton();
    for (int i = 0; i < 40 && QApplication::focusWidget() != last; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &panel,
                        Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), last);
    const QRect seen = scroll->viewport()->rect();
    EXPECT_TRUE(seen.contains(QRect(last->mapTo(scroll->viewport(), QPoint()), last->size())));
    scroll->verticalScrollBar()->setValue(0);
    const QPointF middle(scroll->viewport()->width() / 2.0, 20);
    for (int i = 0; i < 20; ++i) {
        QWheelEvent wheel(middle, scroll->viewport()->mapToGlobal(middle), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(scroll->viewport(), &wheel);
    }
    EXPECT_EQ(scroll->verticalScrollBar()->value(), scroll->verticalScrollBar()->maximum());
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);

    // Fitted again; then the content grows before the window catches up: cut, not squeezed,
    // and no scroll bar comes and goes.
    panel.resize(Panel::panelWidth, natural);
    rig.settle();
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    rig.lights->add("not an address");
    rig.settle();
    ASSERT_TRUE(panel.messageLine()->isVisible());
    EXPECT_GT(panel.content()->height(), panel.height());
    expectPresetRowsApart(panel);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 0) << "cut at the bottom";
}

TEST(PanelPicker, ListsEveryLightInOrderWithOneCheckmarkAndSelects) {
    PanelRig rig(
        R"([{"ip":"10.0.0.5","name":"Lamp"},{"ip":"10.0.0.6","name":"Lamp"},{"ip":"10.0.0.7","name":"Tom & Jerry"}])");
    rig.lights->setSelected("10.0.0.6");
    rig.settle();
    LightPicker* picker = rig.panel->lightTile()->picker();
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->name(), "Lamp");

    EXPECT_EQ(PanelRig::entries(*picker->menu()), QStringList({"Lamp", "Lamp", "Tom && Jerry"}));
    const auto actions = picker->menu()->actions();
    // The same name twice: told apart by address. Assistive technologies hear the mark too.
    EXPECT_EQ(picker->menu()->parentWidget(), picker);
    QAccessibleInterface* menuFace = QAccessible::queryAccessibleInterface(picker->menu());
    ASSERT_NE(menuFace, nullptr);
    for (int i = 0; i < actions.size(); ++i) {
        EXPECT_EQ(!actions[i]->icon().isNull(), i == 1) << i;
        EXPECT_EQ(bool(menuFace->child(i)->state().checked), i == 1) << i;
    }

    PanelRig::expectOpensForAssistiveTechnologies(picker, picker->menu());

    picker->menu()->actions()[2]->trigger(); // the entries were rebuilt as it opened
    EXPECT_EQ(rig.lights->selected(), "10.0.0.7");
    rig.settle();
    EXPECT_EQ(picker->name(), "Tom & Jerry");
    EXPECT_EQ(picker->accessibleName(), "Tom & Jerry");
    EXPECT_TRUE(picker->shortcut().isEmpty()) << "no Alt shortcut from the '&'";
    EXPECT_TRUE(rig.net.sent.empty());
}

TEST(PanelLayout, ALongNameIsShortenedAndKeepsTheSwitchInView) {
    const std::string longName =
        "The reading lamp in the far corner of the living room by the window";
    for (const bool several : {false, true}) {
        std::string saved = R"([{"ip":"10.0.0.5","name":")" + longName + R"("}])";
        if (several)
            saved.insert(saved.size() - 1, R"(,{"ip":"10.0.0.6","name":"Shelf"})");
        PanelRig rig(saved);
        rig.panel->resize(rig.panel->sizeHint());
        rig.settle();
        LightTile* tile = rig.panel->lightTile();
        ASSERT_TRUE(tile->isVisible()) << several;
        const QWidget* name = several ? static_cast<QWidget*>(tile->picker())
                                      : static_cast<QWidget*>(tile->nameLabel());
        EXPECT_EQ(rig.panel->width(), Panel::panelWidth) << several;
        EXPECT_LE(tile->powerSwitch()->geometry().right(), tile->width()) << several;
        EXPECT_LT(name->geometry().right(), tile->powerSwitch()->geometry().left()) << several;
        EXPECT_GT(name->x(), tile->powerButton()->geometry().right()) << several;
        EXPECT_GT(tile->statusLabel()->y(), name->y()) << several;
    }
}

TEST(PanelText, MarkupInANameShowsLiterally) {
    PanelRig rig(R"([{"ip":"10.0.0.5","name":"<b>x</b><img src=/etc/passwd>"}])");
    ToneLabel* name = rig.panel->lightTile()->nameLabel();
    EXPECT_EQ(name->text(), "<b>x</b><img src=/etc/passwd>");
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    // Drawn as text: as wide as the literal string, not a bold "x".
    EXPECT_EQ(name->sizeHint().width(),
              name->fontMetrics().horizontalAdvance(name->text()) + 2 * name->margin());
}

// Status line: "Not responding" from 35 s without a report, or when never heard from.
TEST(PanelLayout, StatusSaysWhetherTheLightAnswers) {
    const struct {
        const char* pilot; // nullptr: never heard from
        std::chrono::milliseconds since;
        const char* status;
        const char* powerTip;
    } cases[] = {{R"({"state":true})", 0ms, "On", "Turn off"},
                 {R"({"state":false})", 34'900ms, "Off", "Turn on"},
                 {R"({"state":true})", 35'000ms, "Not responding", "Turn off"},
                 {nullptr, 0ms, "Not responding", "Turn on"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        PanelRig rig(oneBulb);
        if (c.pilot)
            rig.report("10.0.0.5", c.pilot);
        rig.loop.advance(c.since);
        rig.lights->setSelected("10.0.0.5"); // an announcement, so the panel looks again
        rig.settle();
        LightTile* tile = rig.panel->lightTile();
        EXPECT_EQ(tile->statusLabel()->text().toStdString(), c.status);
        EXPECT_EQ(tile->powerButton()->toolTip().toStdString(), c.powerTip);
        EXPECT_EQ(tile->powerButton()->isOn(), std::string(c.powerTip) == "Turn off");
    }
}

} // namespace
