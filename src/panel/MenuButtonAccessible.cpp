#include "MenuButtonAccessible.h"

#include <QAbstractButton>
#include <QMenu>

namespace glowdeck {

MenuButtonAccessible::MenuButtonAccessible(QAbstractButton* button, QMenu* menu)
    : QAccessibleWidget(button, QAccessible::ButtonMenu), menu_(menu) {}

void MenuButtonAccessible::attach(QAbstractButton* button, QMenu* menu) {
    // Registered up front: for a plain button class, Qt's own factory answers before any other.
    // With an assistive technology listening, the button may already have Qt's interface.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(button))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    QAccessible::registerAccessibleInterface(new MenuButtonAccessible(button, menu));
}

QAbstractButton* MenuButtonAccessible::button() const {
    return static_cast<QAbstractButton*>(widget());
}

QMenu* MenuButtonAccessible::openMenu() const {
    return menu_ != nullptr && menu_->isVisible() ? menu_.data() : nullptr;
}

QAccessible::State MenuButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.hasPopup = true;
    state.expandable = true;
    state.expanded = openMenu() != nullptr;
    state.pressed = button()->isDown();
    return state;
}

int MenuButtonAccessible::childCount() const {
    return openMenu() != nullptr ? 1 : 0;
}

QAccessibleInterface* MenuButtonAccessible::child(int index) const {
    QMenu* menu = openMenu();
    return index == 0 && menu != nullptr ? QAccessible::queryAccessibleInterface(menu) : nullptr;
}

int MenuButtonAccessible::indexOfChild(const QAccessibleInterface* child) const {
    QMenu* menu = openMenu();
    return child != nullptr && menu != nullptr && child->object() == menu ? 0 : -1;
}

QStringList MenuButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    names.prepend(showMenuAction());
    names.prepend(pressAction());
    return names;
}

void MenuButtonAccessible::doAction(const QString& actionName) {
    if ((actionName == pressAction() || actionName == showMenuAction()) && button()->isEnabled()) {
        button()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

} // namespace glowdeck
