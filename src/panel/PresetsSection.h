#pragma once

#include "model/Bulb.h"

#include <QList>
#include <QWidget>

namespace glowdeck {

class Lights;
class PresetTile;
class ToneLabel;

// "Presets" with the active preset's name, over a three-column grid of every preset. A press
// switches the selected light on and to that scene.
class PresetsSection : public QWidget {
    Q_OBJECT
public:
    explicit PresetsSection(Lights& lights, QWidget* parent = nullptr);

    // Marks the preset active on `bulb`, if any.
    void show(const Bulb& bulb);

    const QList<PresetTile*>& tiles() const { return tiles_; }
    ToneLabel* activeName() const { return activeName_; }

private:
    ToneLabel* activeName_;
    QList<PresetTile*> tiles_;
};

} // namespace glowdeck
