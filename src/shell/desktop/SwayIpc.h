#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>

namespace glowdeck {

// Sway's IPC: the i3 protocol on the socket named by $SWAYSOCK. Sway floats X11 utility
// windows at the centre of the output, at every map and every resize they ask for, whatever
// position they ask for; a command over its IPC places them.
class SwayIpc {
public:
    // The message types this program sends.
    static constexpr quint32 runCommand = 0;
    static constexpr quint32 getWorkspaces = 1;
    static constexpr quint32 getOutputs = 3;

    // An active output: where it lies in the layout, the area its bars leave to windows (that
    // of its visible workspace), and whether it has the focus.
    struct Output {
        QString name;
        QRect rect;
        QRect usable;
        bool focused = false;
    };

    // The socket, where this program runs under sway; empty elsewhere.
    static QString socketPath();

    // The command that gives X11 window `window` the frame `frame` (layout coordinates).
    static QByteArray placeCommand(quint64 window, const QRect& frame);

    // Whether `reply`, the JSON answer to a command, says every part of it succeeded.
    static bool succeeded(const QByteArray& reply);

    // Sends `command` on `socket` and waits at most `timeoutMs` for the answer. True when sway
    // carried it out.
    static bool run(const QString& socket, const QByteArray& command, int timeoutMs = 250);

    // Sends a message of `type` on `socket` and waits at most `timeoutMs` for the answer's
    // payload; nothing when sway does not answer in time.
    static std::optional<QByteArray> ask(const QString& socket, quint32 type,
                                         const QByteArray& payload = {}, int timeoutMs = 250);

    // The active outputs in the answers to get_outputs and get_workspaces. An output whose
    // visible workspace is not listed is usable whole.
    static QList<Output> outputs(const QByteArray& outputsReply, const QByteArray& workspacesReply);
    // The same, asked of sway on `socket`; empty when it does not answer.
    static QList<Output> outputs(const QString& socket);
};

} // namespace glowdeck
