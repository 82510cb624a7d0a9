#pragma once

#include <QAbstractButton>
#include <QMenu>

namespace glowdeck {

class Lights;

// The light tile's name when there are several lights: the name with a small chevron. A click
// opens a menu of every known light, built as it opens, with a checkmark on the tile's light;
// choosing one selects it.
class LightPicker : public QAbstractButton {
    Q_OBJECT
public:
    explicit LightPicker(Lights& lights, QWidget* parent = nullptr);

    // The light the tile shows: its name is the label, its address gets the checkmark.
    void setLight(const QString& name, const std::string& ip);

    QMenu* menu() { return &menu_; }
    // Opens the menu under the button.
    void openMenu();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void populate();

    Lights& lights_;
    std::string ip_;
    QMenu menu_;
};

} // namespace glowdeck
