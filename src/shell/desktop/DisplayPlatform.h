#pragma once

#include <functional>
#include <optional>
#include <string>

namespace glowdeck {

// Which Qt platform plug-in the program asks for. Tray icons and placing a window next to one
// need X11, so a Wayland session is run through XWayland, unless the user chose a platform or
// there is no X display to use.
class DisplayPlatform {
public:
    // Looks an environment variable up: its value, or nothing when it is unset.
    using Lookup = std::function<std::optional<std::string>(const char* name)>;

    // This process's environment.
    static std::optional<std::string> processEnvironment(const char* name);

    // The platform to set in QT_QPA_PLATFORM, or nothing to leave Qt's own choice.
    static std::optional<std::string> forced(const Lookup& environment);

    // Sets QT_QPA_PLATFORM for this process when forced() says so. Before the QApplication.
    static void apply();

    // Whether the program runs on XWayland: an X client of a Wayland compositor. XWayland knows
    // the pointer only while it is over one of its own windows, and keeps the last position
    // once it leaves them.
    static bool throughXWayland(const Lookup& environment, const std::string& platformName);
};

} // namespace glowdeck
