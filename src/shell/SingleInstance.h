#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace glowdeck {

// One running program per user and display. The first instance listens on a local socket named
// for the display; a later one on the same display finds it there, asks it to open its panel and
// exits.
//
// Listening happens under a lock file next to the socket, and a socket file is taken over only
// when a connection to it is refused (nobody listens there, as after a crash): of two starts
// racing for it, exactly one listens and the other reaches it.
class SingleInstance : public QObject {
public:
    // `name`: the socket's name or full path; empty for this user and display's
    // (InstanceAddress::forThisDisplay).
    explicit SingleInstance(QString name = {}, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Asks a running instance to show its panel; true when another instance runs (it has been
    // asked, or holds the socket without answering). Otherwise this becomes the running
    // instance: it listens from now on, and requests wait until listen() says what to do with
    // them.
    bool notifyRunning(int timeoutMs = 1000);

    // Handles requests from later instances with `onShowRequest`, listening first if
    // notifyRunning() did not. False when this is not the running instance (the socket could not
    // be made, or another instance holds it); the program then runs without the rule.
    bool listen(std::function<void()> onShowRequest);

    const QString& name() const { return name_; }
    // Why there is no socket to look for a running instance on: a sentence, empty when there is.
    const QString& problem() const { return problem_; }
    bool listening() const { return server_ != nullptr; }

private:
    enum class Answer { Shown, NobodyListening, NoAnswer };
    enum class Claim { Listening, Held, Failed };
    Answer ask(int timeoutMs) const;
    // Listens on the socket, taking over a file nobody listens on; Held when someone does.
    Claim claim(int timeoutMs);
    void acceptPending();

    QString problem_; // before name_, which is made with it
    QString name_;
    QLocalServer* server_ = nullptr;
    std::function<void()> onShowRequest_;
};

} // namespace glowdeck
