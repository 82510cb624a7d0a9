#pragma once

#include <QObject>

namespace glowdeck {

// Reports that the computer is about to sleep (logind's PrepareForSleep(true) on the system
// bus) or that the screen saver has come on (org.freedesktop.ScreenSaver ActiveChanged(true) on
// the session bus). Without a bus nothing is reported, and nothing else is affected.
class SleepWatcher : public QObject {
    Q_OBJECT

public:
    explicit SleepWatcher(QObject* parent = nullptr);

    // Whether the system and session bus subscriptions were made.
    bool watchingSystem() const { return system_; }
    bool watchingSession() const { return session_; }

Q_SIGNALS:
    void sleeping();

public Q_SLOTS:
    void prepareForSleep(bool start);
    void screenSaverActiveChanged(bool active);

private:
    bool system_ = false;
    bool session_ = false;
};

} // namespace glowdeck
