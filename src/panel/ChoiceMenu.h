#pragma once

#include <QMenu>

namespace glowdeck {

// A menu of choices: its entries are checkable, so assistive technologies hear which one is
// chosen, but the style draws no check boxes; the entries' own icons (a checkmark on the chosen
// one) show it.
class ChoiceMenu : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

} // namespace glowdeck
