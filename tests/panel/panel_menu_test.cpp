#include "PanelRig.h"

#include "panel/EmptyState.h"
#include "panel/FormSheet.h"
#include "panel/LightPicker.h"
#include "panel/LightTile.h"
#include "panel/PanelHeader.h"
#include "panel/Spinner.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWidgetAction>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace glowdeck;
using namespace glowdeck::testing;

namespace {

// The options menu's entry called `text`, as the menu would open now.
QAction* entry(PanelRig& rig, const QString& text) {
    QMenu& menu = *rig.panel->header()->optionsMenu();
    PanelRig::entries(menu);
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

TEST(PanelMenu, HoldsOnlyTheEntriesThatApply) {
    PanelRig none;
    EXPECT_EQ(PanelRig::entries(*none.panel->header()->optionsMenu()),
              QStringList({"Add Light…", "-", "Start at Login", "Quit Glowdeck"}));

    PanelRig one(oneBulb);
    QMenu& menu = *one.panel->header()->optionsMenu();
    EXPECT_EQ(PanelRig::entries(menu),
              QStringList({"Add Light…", "Rename Light…", "Forget Light", "10.0.0.5", "-",
                           "Start at Login", "Quit Glowdeck"}));
    // Assistive technologies reach it from the panel; the address is a line of information for
    // them too, though it looks like the others.
    EXPECT_EQ(menu.parentWidget(), one.panel->header());
    QAccessibleInterface* menuFace = QAccessible::queryAccessibleInterface(&menu);
    ASSERT_NE(menuFace, nullptr);
    ASSERT_EQ(menuFace->childCount(), 7);
    for (int i : {0, 1, 2, 5, 6})
        EXPECT_FALSE(menuFace->child(i)->state().disabled) << i;
    EXPECT_EQ(menuFace->child(3)->text(QAccessible::Name), "10.0.0.5");
    EXPECT_TRUE(menuFace->child(3)->state().disabled);
    const QWidget* address = static_cast<QWidgetAction*>(menu.actions()[3])->defaultWidget();
    EXPECT_EQ(address->palette().color(QPalette::Disabled, QPalette::WindowText),
              address->palette().color(QPalette::Active, QPalette::WindowText));
    QAction* quit = entry(one, "Quit Glowdeck");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(one.panel->actions().contains(quit));

    PanelRig::expectOpensForAssistiveTechnologies(one.panel->header()->optionsButton(), &menu);
}

TEST(PanelMenu, RediscoverIsDisabledWhileAScanRuns) {
    PanelRig rig; // a fake network: the scan goes nowhere
    PanelHeader* header = rig.panel->header();
    EXPECT_TRUE(header->rediscoverButton()->isEnabled());
    EXPECT_FALSE(header->spinner()->isVisible());
    header->rediscoverButton()->click();
    rig.settle();
    EXPECT_TRUE(rig.lights->scanning());
    EXPECT_FALSE(header->rediscoverButton()->isEnabled());
    EXPECT_TRUE(header->spinner()->isVisible());
    EXPECT_TRUE(header->spinner()->spinning());
    rig.loop.advance(Lights::discoveryWait);
    rig.settle();
    EXPECT_TRUE(header->rediscoverButton()->isEnabled());
    EXPECT_FALSE(header->spinner()->isVisible());
    EXPECT_FALSE(header->spinner()->spinning());
}

// A screen reader, dictation or automation sets a form's text without typing it.
void setThroughAccessibility(FormSheet* form, const QString& text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form->field());
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->editableTextInterface(), nullptr);
    face->editableTextInterface()->replaceText(0, int(form->field()->text().size()), text);
    ASSERT_EQ(form->field()->text(), text);
}

// The address is taken however it got into the field.
TEST(PanelForms, AddLightKeepsACancelledAddressAndClearsAnAddedOne) {
    PanelRig rig;
    QPushButton* open = rig.panel->emptyState()->addButton();
    open->click();
    FormSheet* form = rig.panel->addLightForm();
    ASSERT_TRUE(form->isVisible());
    EXPECT_TRUE(rig.panel->addingLight());

    QTest::keyClicks(form->field(), " 10.0.0.9 ");
    QTest::keyClick(form->field(), Qt::Key_Escape); // the cancel key
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(rig.panel->addingLight());
    EXPECT_TRUE(rig.lights->bulbs().empty());

    entry(rig, "Add Light…")->trigger();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->field()->text(), " 10.0.0.9 ");
    form->acceptButton()->click();
    EXPECT_FALSE(form->isVisible());
    rig.settle();
    ASSERT_EQ(rig.lights->bulbs().size(), 1u);
    EXPECT_EQ(rig.lights->bulbs()[0].ip, "10.0.0.9");
    EXPECT_TRUE(rig.panel->lightSection()->isVisible());

    rig.panel->openAddLight();
    EXPECT_EQ(form->field()->text(), "");
    setThroughAccessibility(form, "10.0.0.8");
    form->acceptButton()->click();
    EXPECT_EQ(rig.lights->selected(), "10.0.0.8");
}

TEST(PanelForms, RenameOpensWithTheCurrentNameBlocksThePanelAndSavesTheNewName) {
    PanelRig rig(twoBulbs);
    rig.lights->setSelected("10.0.0.6");
    rig.settle();
    FormSheet* form = rig.panel->renameForm();
    rig.panel->openRename();
    EXPECT_FALSE(rig.panel->lightSection()->isEnabled());
    form->cancelButton()->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(rig.panel->lightSection()->isEnabled());
    EXPECT_EQ(rig.lights->bulbs()[1].name, "Shelf");

    entry(rig, "Rename Light…")->trigger();
    ASSERT_TRUE(form->isVisible());
    EXPECT_TRUE(rig.panel->editingName());
    EXPECT_EQ(form->field()->text(), "Shelf");

    setThroughAccessibility(form, "Reading <i>lamp</i>");
    QTest::keyClick(form->field(), Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(rig.panel->editingName());
    EXPECT_EQ(rig.lights->bulbs()[1].name, "Reading <i>lamp</i>");
    EXPECT_EQ(rig.lights->bulbs()[0].name, "Desk");
}

// However many lights, the picker opens under its button (above it only without room below),
// wholly on the screen. A few lights make a menu of their own size; more than fit in
// maxMenuHeight make one column that tall and as wide as the panel's content, which scrolls in
// place, and a name too long for it is shortened, whole in its tooltip.
TEST(PanelPicker, OpensBoundedUnderItsButton) {
    const struct {
        const char* what;
        int lights;
        bool nearScreenBottom;
    } cases[] = {{"3 lights", 3, false},
                 {"250 lights", 250, false},
                 {"250 lights, panel low on the screen", 250, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json saved = nlohmann::json::array();
        for (int i = 0; i < c.lights; ++i)
            saved.push_back(
                {{"ip", "10.0." + std::to_string(1 + i / 200) + "." + std::to_string(i % 200 + 1)},
                 {"name", "Light " + std::to_string(i + 1)}});
        const std::string longName(200, 'W');
        saved[1]["name"] = longName;
        PanelRig rig(saved.dump());
        const int current = c.lights - 2;
        rig.lights->setSelected(saved[current]["ip"].get<std::string>());
        rig.settle();
        const QRect screen = rig.panel->screen()->availableGeometry();
        LightPicker* picker = rig.panel->lightTile()->picker();
        if (c.nearScreenBottom) {
            rig.panel->move(screen.left(),
                            screen.bottom() - 100 - picker->mapTo(rig.panel.get(), QPoint()).y());
            rig.settle();
        }
        QMenu* menu = picker->menu();
        picker->openMenu();
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 1000));
        const QRect opened = menu->geometry();
        const int under = picker->mapToGlobal(QPoint(0, picker->height())).y();
        const int over = picker->mapToGlobal(QPoint()).y();
        EXPECT_TRUE(screen.contains(opened))
            << opened.x() << "," << opened.y() << " " << opened.width() << "x" << opened.height();
        if (c.nearScreenBottom)
            EXPECT_EQ(opened.bottom() + 1, over - LightPicker::menuGap);
        else
            EXPECT_EQ(opened.top(), under + LightPicker::menuGap);
        if (c.lights == 3) {
            EXPECT_EQ(opened.left(), picker->mapToGlobal(QPoint()).x());
            EXPECT_EQ(opened.size(), menu->sizeHint());
        } else {
            EXPECT_EQ(opened.height(), LightPicker::maxMenuHeight);
            EXPECT_EQ(opened.left(), rig.panel->mapToGlobal(QPoint(Panel::padding, 0)).x());
            EXPECT_EQ(opened.width(), Panel::panelWidth - 2 * Panel::padding);
        }
        const auto entries = menu->actions();
        EXPECT_EQ(menu->actionGeometry(entries.front()).left(),
                  menu->actionGeometry(entries.back()).left());
        EXPECT_LT(entries.at(1)->text().size(), 200);
        EXPECT_EQ(entries.at(1)->toolTip().toStdString(), longName);

        // The keyboard walks the entries, scrolled into view; the menu stays where it opened.
        EXPECT_EQ(menu->activeAction(), entries.at(current));
        for (const auto& [key, presses, expected] :
             {std::tuple{Qt::Key_Up, 30, std::max(0, current - 30)},
              std::tuple{Qt::Key_Down, 31, c.lights - 1}}) {
            for (int i = 0; i < presses && menu->activeAction() != entries.at(expected); ++i)
                QTest::keyClick(menu, key);
            EXPECT_EQ(menu->activeAction(), entries.at(expected)) << presses;
            EXPECT_TRUE(menu->rect().contains(menu->actionGeometry(entries.at(expected))));
            EXPECT_EQ(menu->geometry(), opened);
        }
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_FALSE(menu->isVisible());
        EXPECT_EQ(rig.lights->selected(), saved[c.lights - 1]["ip"].get<std::string>());
    }
}

} // namespace
