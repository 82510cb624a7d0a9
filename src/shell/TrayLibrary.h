#pragma once

namespace glowdeck {

// The private library that holds the tray application (TrayEntry.h), loaded when the program
// starts the tray. It is looked for next to the program (the build tree) and then in the
// program's private library folder relative to it (the installed layout: /usr/bin/glowdeck and
// /usr/lib/<triplet>/glowdeck/), both found from the program's own file, not from PATH or the
// working directory.
class TrayLibrary {
public:
    // Loads the library and runs the tray application (see TrayEntry); returns its exit
    // status, or 1 after saying on standard error why the library could not be loaded.
    static int run(int argc, char** argv, bool showPanel);
};

} // namespace glowdeck
