#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

namespace glowdeck {

// Sway's IPC: the i3 protocol on the socket named by $SWAYSOCK. Sway floats X11 utility
// windows at the centre of the output, at every map and every resize they ask for, whatever
// position they ask for; a command over its IPC places them.
class SwayIpc {
public:
    // The socket, where this program runs under sway; empty elsewhere.
    static QString socketPath();

    // The command that gives X11 window `window` the frame `frame` (layout coordinates).
    static QByteArray placeCommand(quint64 window, const QRect& frame);

    // Whether `reply`, the JSON answer to a command, says every part of it succeeded.
    static bool succeeded(const QByteArray& reply);

    // Sends `command` on `socket` and waits at most `timeoutMs` for the answer. True when sway
    // carried it out.
    static bool run(const QString& socket, const QByteArray& command, int timeoutMs = 250);
};

} // namespace glowdeck
