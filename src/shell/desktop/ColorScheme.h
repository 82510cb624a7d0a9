#pragma once

namespace glowdeck {

// What the desktop asks of applications' colours.
enum class ColorScheme { NoPreference, Dark, Light };

} // namespace glowdeck
