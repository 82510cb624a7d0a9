#include "ChoiceMenu.h"

#include <QStyleOptionMenuItem>

namespace glowdeck {

void ChoiceMenu::setPlacement(const QRect& geometry) {
    placement_ = geometry;
    if (geometry.isEmpty()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        // Entries take the minimum width; a bounded height makes the style scroll the menu
        // within it rather than grow it.
        setFixedSize(geometry.size());
    }
}

void ChoiceMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    option->checkType = QStyleOptionMenuItem::NotCheckable;
    option->checked = false;
    option->menuHasCheckableItems = false;
}

void ChoiceMenu::showEvent(QShowEvent* event) {
    // Sent before the window appears, after Qt has placed it: it appears where it was asked to.
    if (!placement_.isEmpty())
        setGeometry(placement_);
    QMenu::showEvent(event);
}

} // namespace glowdeck
