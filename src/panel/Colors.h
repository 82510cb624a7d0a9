#pragma once

#include "presets/LightPreset.h"

#include <QColor>

namespace glowdeck {

// Which set of system colours applies: the lighter values read better on dark surfaces.
enum class Appearance { Light, Dark };

// The appearance of the running application, judged from its palette's window colour.
Appearance currentAppearance();

// The colour a preset's icon is drawn in.
QColor tintColor(Tint tint, Appearance appearance);
QColor tintColor(Tint tint);

// The standard orange (the warm end of the white scale, and the initial colour) and blue.
QColor standardOrange(Appearance appearance);
QColor standardOrange();
QColor standardBlue(Appearance appearance);
QColor standardBlue();

// A colour component fraction (normally 0 to 1) as a 0 to 255 bulb value: fraction × 255 rounded
// to the nearest integer, halves away from zero. Values outside 0 to 1 are kept, not clamped; a
// value that is not a number gives 0 and values beyond the int range are held at its ends.
int component255(double fraction);

} // namespace glowdeck
