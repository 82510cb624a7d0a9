#pragma once

#include <QAbstractButton>

namespace glowdeck {

// The light tile's round power button: a bulb glyph on a filled circle, white on orange while the
// light is on, quiet while it is off.
class PowerButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int diameter = 42;

    explicit PowerButton(QWidget* parent = nullptr);

    void setOn(bool on);
    bool isOn() const { return on_; }

    QSize sizeHint() const override { return {diameter, diameter}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool on_ = false;
};

} // namespace glowdeck
