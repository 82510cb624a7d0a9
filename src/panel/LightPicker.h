#pragma once

#include "ChoiceMenu.h"

#include <QAbstractButton>

namespace glowdeck {

class Lights;

// The light tile's name when there are several lights: the name with a small chevron. A click
// opens a menu of every known light, built as it opens, with a checkmark on the tile's light;
// choosing one selects it. The menu opens under the button, with the tile's light in view and
// highlighted. It is one column at most maxMenuWidth wide: a name too long for that is shortened,
// and shown whole as the entry's tooltip. With more lights than fit in maxMenuHeight, the menu
// is that tall and as wide as the panel's content (the scrolling content the picker sits in, less
// its margins; else the picker's window), scrolls in place, and stays on the panel's screen:
// under the button, or above it where there is too little room below.
// The name shows as given: an '&' in it is no keyboard shortcut.
class LightPicker : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int maxMenuWidth = 480;
    static constexpr int maxMenuHeight = 480;
    static constexpr int menuGap = 2; // between the button and the menu

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
    // Where a menu of `height`, more than maxMenuHeight, opens.
    QRect boundedPlacement(int height) const;
    QRect contentSpan() const; // global

    Lights& lights_;
    QString name_;
    std::string ip_;
    ChoiceMenu menu_;
};

} // namespace glowdeck
