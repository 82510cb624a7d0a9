#pragma once

#include "presets/LightPreset.h"

#include <QCoreApplication>
#include <QString>

namespace glowdeck {

// A preset's label in the user's language. The presets' own names stay English: the command
// line and stored data know them by those.
class PresetName {
    Q_DECLARE_TR_FUNCTIONS(glowdeck::PresetName)
public:
    static QString of(const LightPreset& preset);
};

} // namespace glowdeck
