#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace glowdeck {

// One running program per user. The first instance listens on a per-user local socket; a later
// one finds it there, asks it to open its panel and exits.
class SingleInstance : public QObject {
public:
    // `name`: the socket's name or full path; empty for the per-user default.
    explicit SingleInstance(QString name = {}, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The socket path for this user: in $XDG_RUNTIME_DIR when set, else in the temp directory
    // with the user id in its name.
    static QString defaultName();

    // Asks a running instance to show its panel. True when one took the request.
    bool notifyRunning(int timeoutMs = 1000) const;

    // Starts listening; `onShowRequest` runs for each request from a later instance. False when
    // the socket could not be made (the program then runs without the single-instance rule).
    bool listen(std::function<void()> onShowRequest);

    const QString& name() const { return name_; }

private:
    QString name_;
    QLocalServer* server_ = nullptr;
    std::function<void()> onShowRequest_;
};

} // namespace glowdeck
