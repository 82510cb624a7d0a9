#pragma once

#include <QPalette>

namespace glowdeck {

// The panel's own light and dark palettes, for when the desktop prefers one and the toolkit's
// palette is the other.
class PanelPalette {
public:
    static QPalette dark();
    // Built on `base` (the style's standard palette), with the panel's window, text and accent.
    static QPalette light(const QPalette& base);

    // The palette that suits a desktop preferring dark (`dark` true) or light: `current` when it
    // already is one of that kind, else the panel's own.
    static QPalette following(bool dark, const QPalette& current, const QPalette& standard);
};

} // namespace glowdeck
