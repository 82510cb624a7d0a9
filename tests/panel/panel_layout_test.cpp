#include "PanelRig.h"

#include "panel/AllLightsRow.h"
#include "panel/ControlTile.h"
#include "panel/EmptyState.h"
#include "panel/LightPicker.h"
#include "panel/LightTile.h"
#include "panel/MessageLine.h"
#include "panel/PanelStyle.h"
#include "panel/PowerButton.h"
#include "panel/PowerSwitch.h"
#include "panel/ToneLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>

using namespace glowdeck;
using namespace glowdeck::testing;
using namespace std::chrono_literals;

namespace {

struct SectionsCase {
    const char* what;
    const char* saved;
    bool clearSelection; // otherwise the controller's own choice stands
    bool lightSection;
    bool allLights;
    bool picker;
};

void PrintTo(const SectionsCase& c, std::ostream* os) {
    *os << c.what;
}

class PanelSections : public ::testing::TestWithParam<SectionsCase> {};

TEST_P(PanelSections, ShowTheSectionsThatApply) {
    const auto& c = GetParam();
    PanelRig rig(c.saved);
    if (c.clearSelection) {
        rig.lights->setSelected(std::nullopt);
        rig.settle();
    }
    Panel& panel = *rig.panel;
    EXPECT_EQ(panel.lightSection()->isVisible(), c.lightSection) << c.what;
    EXPECT_EQ(panel.emptyTile()->isVisible(), !c.lightSection) << c.what;
    EXPECT_EQ(panel.allLightsRow()->isVisible(), c.allLights) << c.what;
    if (c.lightSection) {
        EXPECT_EQ(panel.lightTile()->picker()->isVisible(), c.picker) << c.what;
        EXPECT_EQ(panel.lightTile()->nameLabel()->isVisible(), !c.picker) << c.what;
    }
    EXPECT_EQ(panel.width(), Panel::panelWidth);
}

INSTANTIATE_TEST_SUITE_P(
    States, PanelSections,
    ::testing::Values(SectionsCase{"NoLights", "[]", false, false, false, false},
                      SectionsCase{"NoneSelected", twoBulbs, true, false, false, false},
                      SectionsCase{"OneLight", oneBulb, false, true, false, false},
                      SectionsCase{"TwoLights", twoBulbs, false, true, true, true}),
    [](const auto& param) { return std::string(param.param.what); });

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

TEST(PanelLayout, ControlTileInsetsNarrowContentAgainstTheLeftEdge) {
    QWidget host;
    auto* content = new QLabel("x");
    content->setFixedSize(40, 20);
    auto* tile = new ControlTile(content, &host);
    tile->setGeometry(0, 0, 300, tile->sizeHint().height());
    host.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(content->geometry().topLeft(), QPoint(12, 12));
    EXPECT_EQ(tile->sizeHint().height(), 20 + 24);
}

TEST(PanelLayout, EmptyStateTextStaysInsideTheTile) {
    PanelRig rig;
    rig.panel->resize(rig.panel->sizeHint());
    rig.settle();
    EmptyState* empty = rig.panel->emptyState();
    EXPECT_EQ(empty->width(), Panel::panelWidth - 4 * 12);
    for (auto* label : empty->findChildren<QLabel*>())
        EXPECT_LE(label->geometry().right(), empty->width()) << label->text().toStdString();
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

TEST(PanelPicker, ListsEveryLightInOrderWithOneCheckmarkAndSelects) {
    PanelRig rig(
        R"([{"ip":"10.0.0.5","name":"Lamp"},{"ip":"10.0.0.6","name":"Lamp"},{"ip":"10.0.0.7","name":"Tom & Jerry"}])");
    rig.lights->setSelected("10.0.0.6");
    rig.settle();
    LightPicker* picker = rig.panel->lightTile()->picker();
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->text(), "Lamp");

    EXPECT_EQ(PanelRig::entries(*picker->menu()), QStringList({"Lamp", "Lamp", "Tom && Jerry"}));
    const auto actions = picker->menu()->actions();
    int checked = 0;
    for (int i = 0; i < actions.size(); ++i)
        if (!actions[i]->icon().isNull()) {
            ++checked;
            EXPECT_EQ(i, 1); // the same name twice: told apart by address
        }
    EXPECT_EQ(checked, 1);

    // Opens for assistive technologies too.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(picker);
    ASSERT_NE(face, nullptr);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return picker->menu()->isVisible(); }, 1000));
    picker->menu()->hide();

    picker->menu()->actions()[2]->trigger(); // the entries were rebuilt as it opened
    EXPECT_EQ(rig.lights->selected(), "10.0.0.7");
    rig.settle();
    EXPECT_EQ(picker->text(), "Tom & Jerry");
    EXPECT_TRUE(rig.net.sent.empty());
}

// Hundreds of lights: one column that scrolls within the screen, opened on the tile's light, no
// wider than the panel unless a name needs it, and then shortened at the limit.
TEST(PanelPicker, HundredsOfLightsScrollInOneColumnOnTheCurrentOne) {
    const std::string longName(200, 'W');
    for (const bool withLongName : {false, true}) {
        SCOPED_TRACE(withLongName);
        nlohmann::json saved = nlohmann::json::array();
        for (int i = 0; i < 250; ++i)
            saved.push_back(
                {{"ip", "10.0." + std::to_string(1 + i / 200) + "." + std::to_string(i % 200 + 1)},
                 {"name", "Light " + std::to_string(i + 1)}});
        if (withLongName)
            saved[10]["name"] = longName;
        PanelRig rig(saved.dump());
        rig.lights->setSelected(saved[199]["ip"].get<std::string>());
        rig.settle();
        LightPicker* picker = rig.panel->lightTile()->picker();
        QMenu* menu = picker->menu();
        picker->openMenu();
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 1000));

        const auto entries = menu->actions();
        EXPECT_EQ(menu->actionGeometry(entries.front()).left(),
                  menu->actionGeometry(entries.back()).left())
            << "one column";
        EXPECT_LE(menu->height(), menu->screen()->availableGeometry().height());
        EXPECT_LE(menu->width(), withLongName ? LightPicker::maxMenuWidth : Panel::panelWidth);
        QAction* current = entries.at(199);
        EXPECT_EQ(menu->activeAction(), current);
        EXPECT_TRUE(menu->rect().contains(menu->actionGeometry(current)));
        if (withLongName) {
            EXPECT_LT(entries.at(10)->text().size(), 200);
            EXPECT_EQ(entries.at(10)->toolTip().toStdString(), longName);
        }
        menu->hide();
    }
}

TEST(PanelLook, QuietTextFollowsAPaletteChange) {
    PanelRig rig(oneBulb);
    ToneLabel* status = rig.panel->lightTile()->statusLabel();
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Window, QColor(30, 30, 32));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    QApplication::setPalette(dark);
    rig.settle();
    const QColor shown = status->palette().color(QPalette::WindowText);
    QApplication::setPalette(before);
    EXPECT_EQ(shown, PanelStyle::secondary(dark));
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

} // namespace
