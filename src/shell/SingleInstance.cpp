#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace glowdeck {

namespace {

constexpr char showRequest[] = "show\n";

// The X display in one spelling: "host:number", the screen number dropped (":0" and ":0.0" are
// one display) and "unix:" read as the local display it names.
QString xDisplay() {
    const QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        return display;
    }
    QString host = display.left(colon);
    if (host == QStringLiteral("unix")) {
        host.clear();
    }
    QString number = display.mid(colon + 1);
    if (const qsizetype dot = number.indexOf(QLatin1Char('.')); dot >= 0) {
        number.truncate(dot);
    }
    return host + QLatin1Char(':') + number;
}

// What names the screen this program shows on. On Wayland the program runs on XWayland, whose
// X display number comes from the lock files in /tmp like any X server's: two sessions whose
// /tmp is their own (a container, a sandbox) may both have ":0". The compositor's socket, in
// the runtime folder the socket goes to, tells them apart; the key holds both, and stays the
// same for one session, whose compositor and XWayland keep their names while it lasts.
QString displayKey() {
    QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && wayland.startsWith(runtime + QLatin1Char('/'))) {
        wayland = wayland.mid(runtime.size() + 1);
    }
    const QString x = xDisplay();
    const QString key = wayland.isEmpty() ? x : wayland + QLatin1Char(',') + x;
    // A file name: '/', '%' and control characters escaped.
    QString name;
    for (const QChar c : key) {
        if (c == QLatin1Char('/') || c == QLatin1Char('%') || c.unicode() < 0x20) {
            name += QLatin1Char('%') +
                    QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0'));
        } else {
            name += c;
        }
    }
    return name;
}

// Makes `folder` (mode 0700) or checks that the one there is a folder of this user's that nobody
// else can enter. The reason it cannot be used, empty when it can.
QString privateFolder(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) == 0) {
        return {};
    }
    if (errno != EEXIST) {
        return QStringLiteral("cannot create %1: %2")
            .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        return QStringLiteral("cannot read %1: %2")
            .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISDIR(info.st_mode)) {
        return QStringLiteral("%1 is not a folder").arg(folder);
    }
    if (info.st_uid != ::getuid()) {
        return QStringLiteral("%1 belongs to another user").arg(folder);
    }
    if ((info.st_mode & 077) != 0) {
        return QStringLiteral("%1 is open to other users").arg(folder);
    }
    return {};
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(name.isEmpty() ? defaultName(&problem_) : std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr) {
        server_->close();
    }
}

QString SingleInstance::defaultName(QString* problem) {
    const QString key = displayKey();
    const QString file = key.isEmpty() ? QStringLiteral("glowdeck.socket")
                                       : QStringLiteral("glowdeck-%1.socket").arg(key);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).filePath(file);
    }
    // Anyone may make files in the temp directory, and a socket or lock file made there by
    // another user would stop every start: a folder only this user can enter.
    const QString folder =
        QDir(QDir::tempPath()).filePath(QStringLiteral("glowdeck-%1").arg(::getuid()));
    if (const QString reason = privateFolder(folder); !reason.isEmpty()) {
        if (problem != nullptr) {
            *problem = reason;
        }
        return {};
    }
    return QDir(folder).filePath(file);
}

SingleInstance::Answer SingleInstance::ask(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) {
        const auto error = socket.error();
        return error == QLocalSocket::ConnectionRefusedError ||
                       error == QLocalSocket::ServerNotFoundError
                   ? Answer::NobodyListening
                   : Answer::NoAnswer;
    }
    socket.write(showRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return Answer::NoAnswer;
    }
    // The running instance closes the connection once it has read the request.
    socket.waitForDisconnected(timeoutMs);
    return Answer::Shown;
}

bool SingleInstance::notifyRunning(int timeoutMs) {
    if (server_ != nullptr || name_.isEmpty()) {
        return false;
    }
    // Twice: a start that finds nobody may lose the socket to one racing it and then asks that
    // one, and an instance too busy to answer gets a second chance.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (ask(timeoutMs)) {
        case Answer::Shown:
            return true;
        case Answer::NobodyListening:
            if (claim(timeoutMs) != Claim::Held) {
                return false; // listening now, or unable to: either way this one runs
            }
            break;
        case Answer::NoAnswer:
            break;
        }
    }
    // Someone holds the socket and runs, but did not take the request.
    return true;
}

SingleInstance::Claim SingleInstance::claim(int timeoutMs) {
    // One start at a time looks whether anyone listens and, if nobody does, listens itself.
    // (Listening puts the new socket in place of whatever file is there.)
    QLockFile lock(name_ + QStringLiteral(".lock"));
    if (!lock.tryLock(timeoutMs)) {
        return Claim::Held;
    }
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(timeoutMs) ||
        (probe.error() != QLocalSocket::ConnectionRefusedError &&
         probe.error() != QLocalSocket::ServerNotFoundError)) {
        return Claim::Held;
    }
    auto server = std::make_unique<QLocalServer>(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name_)) {
        return Claim::Failed;
    }
    server_ = server.release();
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptPending);
    return Claim::Listening;
}

bool SingleInstance::listen(std::function<void()> onShowRequest) {
    onShowRequest_ = std::move(onShowRequest);
    if (name_.isEmpty() || (server_ == nullptr && claim(1000) != Claim::Listening)) {
        return false;
    }
    acceptPending(); // requests that came in before there was anything to do with them
    return true;
}

void SingleInstance::acceptPending() {
    if (!onShowRequest_) {
        return; // they wait in the queue
    }
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (!client->canReadLine()) {
                if (client->bytesAvailable() > 64) {
                    client->disconnectFromServer();
                }
                return;
            }
            const QByteArray line = client->readLine(64);
            client->disconnectFromServer();
            if (line == showRequest && onShowRequest_) {
                onShowRequest_();
            }
        });
    }
}

} // namespace glowdeck
