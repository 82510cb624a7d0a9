#pragma once

#include <QString>

namespace glowdeck {

// Where the running program of this user and display listens: the path of its local socket.
// Qt Core only, so that the command line can find the lock next to it without the network
// module.
class InstanceAddress {
public:
    // The socket path for this user and display: in $XDG_RUNTIME_DIR when set, else in a folder
    // of this user's own (mode 0700) in the temp directory, which is made when missing. Empty,
    // with the reason in `problem`, when that folder cannot be trusted or made.
    static QString forThisDisplay(QString* problem = nullptr);
};

} // namespace glowdeck
