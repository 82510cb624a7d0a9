#pragma once

#include <QAbstractButton>

namespace glowdeck {

// A small on/off switch. It shows the state it is given (the light's reported power); a flip by
// the user emits `flipped` with the wanted position and the switch then goes on showing the
// reported state until the next report changes it.
class PowerSwitch : public QAbstractButton {
    Q_OBJECT
public:
    explicit PowerSwitch(QWidget* parent = nullptr);

    // The reported state; never emits `flipped`.
    void setReported(bool on);

    QSize sizeHint() const override { return {32, 18}; }

Q_SIGNALS:
    void flipped(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool reported_ = false;
    bool applying_ = false;
};

} // namespace glowdeck
