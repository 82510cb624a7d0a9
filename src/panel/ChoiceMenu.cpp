#include "ChoiceMenu.h"

#include <QStyleOptionMenuItem>

namespace glowdeck {

void ChoiceMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    option->checkType = QStyleOptionMenuItem::NotCheckable;
    option->checked = false;
    option->menuHasCheckableItems = false;
}

} // namespace glowdeck
