#pragma once

#include <QString>
#include <QWidget>

namespace glowdeck {

class TrackingSlider;

// The panel's slider, whose owner acts when the user lets go: horizontal, its range and accessible
// name fixed at creation. It reports every value the user gives it, and brackets editing: true
// when a mouse press or a wheel gesture begins and false when it ends; a change made any other
// way (keyboard, assistive technology) is followed by a lone false, so that the owner acts on it
// at once.
class ReleaseSlider : public QWidget {
    Q_OBJECT
public:
    ReleaseSlider(double minimum, double maximum, const QString& label, QWidget* parent = nullptr);
    ~ReleaseSlider() override;

    double value() const;

    // A model update. Ignored while the user is editing (a press or a wheel gesture); never
    // emits valueEdited or editingChanged.
    void setValue(double value);

    TrackingSlider* slider() const { return slider_; }

Q_SIGNALS:
    // Every change made by the user (drag, click, keyboard, wheel, assistive technology).
    void valueEdited(double value);

    // true when a press or a wheel gesture begins, false when it ends; a lone false after every
    // change made outside them.
    void editingChanged(bool editing);

private:
    void userChanged(double value);

    TrackingSlider* slider_;
};

} // namespace glowdeck
