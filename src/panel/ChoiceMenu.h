#pragma once

#include <QMenu>

namespace glowdeck {

// A menu of choices: its entries are checkable, so assistive technologies hear which one is
// chosen, but the style draws no check boxes; the entries' own icons (a checkmark on the chosen
// one) show it.
//
// It may be given the geometry it opens with, instead of the one Qt derives from its size and the
// point it opens at: the menu then keeps that size, its entries as wide as it is, and scrolls the
// entries that do not fit within it (with a style that lets menus scroll, such as ControlStyle).
class ChoiceMenu : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;

    // The geometry, in global coordinates, for the next openings; an empty one lets Qt choose.
    void setPlacement(const QRect& geometry);
    const QRect& placement() const { return placement_; }

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void showEvent(QShowEvent* event) override;

private:
    QRect placement_;
};

} // namespace glowdeck
