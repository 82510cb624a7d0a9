#pragma once

#include <QDBusConnection>
#include <QObject>

namespace glowdeck {

// Reports that the computer is about to sleep (logind's PrepareForSleep(true) on the system
// bus), that logind asks this program's session to lock its screen (the session's Lock), or
// that the screen saver or locker has come on (ActiveChanged(true) of
// org.freedesktop.ScreenSaver or org.gnome.ScreenSaver on the session bus). Without a bus
// nothing is reported, and nothing else is affected. (A locker that announces nothing, on a
// bare X server, takes the keyboard: the panel's focus watch notices that.)
class SleepWatcher : public QObject {
    Q_OBJECT

public:
    // Watches the system and session buses.
    explicit SleepWatcher(QObject* parent = nullptr);
    // Watches logind on `system` and screen savers on `session`.
    SleepWatcher(QDBusConnection system, QDBusConnection session, QObject* parent = nullptr);

    // Whether the system and session bus subscriptions were made.
    bool watchingSystem() const { return system_; }
    bool watchingSession() const { return session_; }

Q_SIGNALS:
    void sleeping();

public Q_SLOTS:
    void prepareForSleep(bool start);
    void screenSaverActiveChanged(bool active);
    void lockRequested();

private:
    bool system_ = false;
    bool session_ = false;
};

} // namespace glowdeck
