#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace glowdeck {

namespace {

constexpr char showRequest[] = "show\n";

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(name.isEmpty() ? defaultName() : std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr) {
        server_->close();
    }
}

QString SingleInstance::defaultName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).filePath(QStringLiteral("glowdeck.socket"));
    }
    return QDir(QDir::tempPath()).filePath(QStringLiteral("glowdeck-%1.socket").arg(::getuid()));
}

bool SingleInstance::notifyRunning(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(showRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return false;
    }
    // The running instance closes the connection once it has read the request.
    socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen(std::function<void()> onShowRequest) {
    onShowRequest_ = std::move(onShowRequest);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Left behind by an instance that did not end cleanly: nobody answered on it.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) {
            delete server_;
            server_ = nullptr;
            return false;
        }
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
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
    });
    return true;
}

} // namespace glowdeck
