#include "SwayIpc.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <cstring>

namespace glowdeck {

namespace {

constexpr char magic[] = "i3-ipc";
constexpr qsizetype magicSize = sizeof magic - 1;
constexpr qsizetype headerSize = magicSize + 8;
// Far more than any answer this program asks for takes.
constexpr quint32 longestReply = 1 << 20;

QByteArray message(quint32 type, const QByteArray& payload) {
    QByteArray bytes(magic, magicSize);
    // The protocol's integers are in the host's byte order.
    const quint32 numbers[] = {static_cast<quint32>(payload.size()), type};
    bytes.append(reinterpret_cast<const char*>(numbers), sizeof numbers);
    bytes.append(payload);
    return bytes;
}

bool readExactly(QLocalSocket& socket, QByteArray& into, qsizetype size,
                 const QDeadlineTimer& deadline) {
    while (into.size() < size) {
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
        into.append(socket.read(size - into.size()));
    }
    return true;
}

QRect rectOf(const QJsonValue& value) {
    const QJsonObject r = value.toObject();
    return QRect(r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
                 r.value(QLatin1String("width")).toInt(), r.value(QLatin1String("height")).toInt());
}

} // namespace

QString SwayIpc::socketPath() {
    return qEnvironmentVariable("SWAYSOCK");
}

QByteArray SwayIpc::placeCommand(quint64 window, const QRect& frame) {
    return QStringLiteral("[id=%1] resize set %2 px %3 px, move absolute position %4 px %5 px")
        .arg(window)
        .arg(frame.width())
        .arg(frame.height())
        .arg(frame.x())
        .arg(frame.y())
        .toUtf8();
}

bool SwayIpc::succeeded(const QByteArray& reply) {
    const QJsonDocument document = QJsonDocument::fromJson(reply);
    if (!document.isArray() || document.array().isEmpty()) {
        return false;
    }
    for (const QJsonValue& result : document.array()) {
        if (!result.toObject().value(QLatin1String("success")).toBool()) {
            return false;
        }
    }
    return true;
}

bool SwayIpc::run(const QString& socket, const QByteArray& command, int timeoutMs) {
    const auto reply = ask(socket, runCommand, command, timeoutMs);
    return reply && succeeded(*reply);
}

std::optional<QByteArray> SwayIpc::ask(const QString& socket, quint32 type,
                                       const QByteArray& payload, int timeoutMs) {
    if (socket.isEmpty()) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket connection;
    connection.connectToServer(socket);
    if (!connection.waitForConnected(timeoutMs)) {
        return std::nullopt;
    }
    connection.write(message(type, payload));
    QByteArray header;
    if (!connection.waitForBytesWritten(static_cast<int>(deadline.remainingTime())) ||
        !readExactly(connection, header, headerSize, deadline) ||
        std::memcmp(header.constData(), magic, magicSize) != 0) {
        return std::nullopt;
    }
    quint32 length = 0;
    std::memcpy(&length, header.constData() + magicSize, sizeof length);
    if (length > longestReply) {
        return std::nullopt;
    }
    QByteArray reply;
    if (!readExactly(connection, reply, static_cast<qsizetype>(length), deadline)) {
        return std::nullopt;
    }
    return reply;
}

QList<SwayIpc::Output> SwayIpc::outputs(const QByteArray& outputsReply,
                                        const QByteArray& workspacesReply) {
    QHash<QString, QRect> usable;
    for (const QJsonValue& value : QJsonDocument::fromJson(workspacesReply).array()) {
        const QJsonObject workspace = value.toObject();
        if (workspace.value(QLatin1String("visible")).toBool()) {
            usable.insert(workspace.value(QLatin1String("output")).toString(),
                          rectOf(workspace.value(QLatin1String("rect"))));
        }
    }
    QList<Output> found;
    for (const QJsonValue& value : QJsonDocument::fromJson(outputsReply).array()) {
        const QJsonObject output = value.toObject();
        Output entry;
        entry.name = output.value(QLatin1String("name")).toString();
        entry.rect = rectOf(output.value(QLatin1String("rect")));
        if (!output.value(QLatin1String("active")).toBool() || !entry.rect.isValid()) {
            continue;
        }
        entry.usable = usable.value(entry.name, entry.rect);
        if (!entry.rect.contains(entry.usable)) {
            entry.usable = entry.rect;
        }
        entry.focused = output.value(QLatin1String("focused")).toBool();
        found.append(entry);
    }
    return found;
}

QList<SwayIpc::Output> SwayIpc::outputs(const QString& socket) {
    const auto outputsReply = ask(socket, getOutputs);
    const auto workspacesReply = outputsReply ? ask(socket, getWorkspaces) : std::nullopt;
    if (!outputsReply || !workspacesReply) {
        return {};
    }
    return outputs(*outputsReply, *workspacesReply);
}

} // namespace glowdeck
