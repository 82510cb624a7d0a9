#pragma once

#include "ChoiceMenu.h"

#include <QAbstractButton>

namespace glowdeck {

class Lights;

// The light tile's name when there are several lights: the name with a small chevron. A click
// opens a menu of every known light, built as it opens, with a checkmark on the tile's light;
// choosing one selects it. However many lights there are, the menu is one column that scrolls
// within the screen, opens with the tile's light in view, and is at most maxMenuWidth wide: a
// name too long for that is shortened, and shown whole as the entry's tooltip.
// The name shows as given: an '&' in it is no keyboard shortcut.
class LightPicker : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int maxMenuWidth = 480;

    explicit LightPicker(Lights& lights, QWidget* parent = nullptr);

    // The light the tile shows: its name is the label, its address gets the checkmark.
    void setLight(const QString& name, const std::string& ip);
    const QString& name() const { return name_; }

    QMenu* menu() { return &menu_; }
    // Opens the menu under the button, the tile's light in view and highlighted.
    void openMenu();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void populate();

    Lights& lights_;
    QString name_;
    std::string ip_;
    ChoiceMenu menu_;
};

} // namespace glowdeck
