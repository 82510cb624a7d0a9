#pragma once

#include <optional>

namespace glowdeck {

// The program's command line: -h/--help and -v/--version, plus the options Qt's application
// object takes itself (-platform, -style, -session, ...), which it consumes later. Read before
// the QApplication exists, so that asking for help or the version touches neither the display
// nor the network nor the settings.
class CommandLine {
public:
    // The exit status when the program should stop here, having printed the help or the version
    // (on standard output) or what was wrong and the usage (on standard error, status 2);
    // nothing when it should start. The application's name and version must be set.
    static std::optional<int> handle(int argc, char** argv);
};

} // namespace glowdeck
