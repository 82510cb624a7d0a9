#pragma once

#include "model/Bulb.h"

#include <QWidget>

namespace glowdeck {

class Lights;
class LightPicker;
class PowerButton;
class PowerSwitch;
class ToneLabel;

// The current light: power button, name (a picker when there are several lights), whether it
// answers, and an on/off switch. Power commands go to the selected light only.
class LightTile : public QWidget {
    Q_OBJECT
public:
    explicit LightTile(Lights& lights, QWidget* parent = nullptr);

    // Shows `bulb` as of `now`; `count` is how many lights are known.
    void show(const Bulb& bulb, std::size_t count, WallTime now);

    PowerButton* powerButton() const { return power_; }
    PowerSwitch* powerSwitch() const { return switch_; }
    LightPicker* picker() const { return picker_; }
    ToneLabel* nameLabel() const { return name_; }
    ToneLabel* statusLabel() const { return status_; }

private:
    void sendPower(bool on);

    Lights& lights_;
    PowerButton* power_;
    ToneLabel* name_;
    LightPicker* picker_;
    ToneLabel* status_;
    PowerSwitch* switch_;
};

} // namespace glowdeck
