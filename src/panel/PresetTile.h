#pragma once

#include "presets/LightPreset.h"

#include <QAbstractButton>

namespace glowdeck {

// One preset in the grid: its icon in its tint over its name. The tile is marked (accent face,
// checked for assistive technologies) only by the owner, from the light's reported state; a press
// never marks it by itself. A press, or a toggle through the accessibility bridge (which toggles a
// checkable button without clicking it), emits `chosen`.
class PresetTile : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int tileHeight = 52;

    explicit PresetTile(const LightPreset& preset, QWidget* parent = nullptr);

    const LightPreset& preset() const { return preset_; }
    void setActive(bool active);
    bool isActive() const { return isChecked(); }

    QSize sizeHint() const override { return {80, tileHeight}; }
    // Room for the name whole: the grid gives no tile less, so no language's name is shortened.
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void chosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}

private:
    const LightPreset& preset_;
    bool applying_ = false;
};

} // namespace glowdeck
