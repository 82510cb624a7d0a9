#pragma once

// The tray application's way in. It lives in a private library of its own that the program
// loads only when it starts the tray, so that a verb, --help and --version load Qt Core and
// Qt DBus alone, not the widgets and the display's libraries.

namespace glowdeck {

// Runs the tray application on `argc`/`argv` (the program's own, with Qt's options) and returns
// its exit status; shows the panel once it runs when `showPanel` is not 0. The application's
// name and version must be set.
using TrayEntry = int (*)(int argc, char** argv, int showPanel);

// The name the library exports its entry under.
inline constexpr char trayEntryName[] = "glowdeck_tray_main";

} // namespace glowdeck

extern "C" __attribute__((visibility("default"))) int glowdeck_tray_main(int argc, char** argv,
                                                                         int showPanel);
