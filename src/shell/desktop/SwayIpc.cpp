#include "SwayIpc.h"

#include <QDeadlineTimer>
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
constexpr quint32 runCommand = 0;
// Far more than any answer to a command takes.
constexpr quint32 longestReply = 1 << 16;

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
    if (socket.isEmpty()) {
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket connection;
    connection.connectToServer(socket);
    if (!connection.waitForConnected(timeoutMs)) {
        return false;
    }
    connection.write(message(runCommand, command));
    QByteArray header;
    if (!connection.waitForBytesWritten(static_cast<int>(deadline.remainingTime())) ||
        !readExactly(connection, header, headerSize, deadline) ||
        std::memcmp(header.constData(), magic, magicSize) != 0) {
        return false;
    }
    quint32 length = 0;
    std::memcpy(&length, header.constData() + magicSize, sizeof length);
    if (length > longestReply) {
        return false;
    }
    QByteArray reply;
    return readExactly(connection, reply, static_cast<qsizetype>(length), deadline) &&
           succeeded(reply);
}

} // namespace glowdeck
