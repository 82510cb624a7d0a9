#pragma once

#include <QAccessibleWidget>
#include <QPointer>

class QAbstractButton;
class QMenu;

namespace glowdeck {

// What assistive technologies see of a button that opens a menu of its own: a button with a
// popup, which a press opens, and whose one child, while the menu is open, is that menu. A popup
// is no child of the application's windows, so without this nothing in the tree leads to it.
class MenuButtonAccessible : public QAccessibleWidget {
public:
    MenuButtonAccessible(QAbstractButton* button, QMenu* menu);

    // Gives `button` this interface, opening `menu`.
    static void attach(QAbstractButton* button, QMenu* menu);

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* button() const;
    QMenu* openMenu() const;

    QPointer<QMenu> menu_;
};

} // namespace glowdeck
