#include "SingleInstance.h"

#include "shell/InstanceAddress.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <memory>

namespace glowdeck {

namespace {

constexpr char showRequest[] = "show\n";

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent),
      name_(name.isEmpty() ? InstanceAddress::forThisDisplay(&problem_) : std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr) {
        server_->close();
    }
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
