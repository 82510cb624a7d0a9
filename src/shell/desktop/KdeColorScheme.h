#pragma once

#include "shell/desktop/ColorScheme.h"

#include <QString>

#include <optional>

namespace glowdeck {

// KDE's colour scheme, for a Plasma without the desktop portal: dark when the scheme's window
// background (kdeglobals, [Colors:Window] BackgroundNormal) is dark.
class KdeColorScheme {
public:
    // $XDG_CONFIG_HOME/kdeglobals (~/.config/kdeglobals).
    static QString configPath();

    // The preference kdeglobals at `path` gives; nothing without a readable window background.
    static std::optional<ColorScheme> read(const QString& path = configPath());
};

} // namespace glowdeck
