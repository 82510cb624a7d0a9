#include "SleepWatcher.h"

#include <QDBusConnection>

namespace glowdeck {

SleepWatcher::SleepWatcher(QObject* parent) : QObject(parent) {
    QDBusConnection systemBus = QDBusConnection::systemBus();
    if (systemBus.isConnected()) {
        system_ = systemBus.connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
            this, SLOT(prepareForSleep(bool)));
    }
    QDBusConnection sessionBus = QDBusConnection::sessionBus();
    if (sessionBus.isConnected()) {
        // Screen savers announce on either object path and under their own bus names.
        const bool onFreedesktopPath = sessionBus.connect(
            QString(), QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("ActiveChanged"), this,
            SLOT(screenSaverActiveChanged(bool)));
        const bool onShortPath = sessionBus.connect(QString(), QStringLiteral("/ScreenSaver"),
                                                    QStringLiteral("org.freedesktop.ScreenSaver"),
                                                    QStringLiteral("ActiveChanged"), this,
                                                    SLOT(screenSaverActiveChanged(bool)));
        session_ = onFreedesktopPath || onShortPath;
    }
}

void SleepWatcher::prepareForSleep(bool start) {
    if (start) {
        Q_EMIT sleeping();
    }
}

void SleepWatcher::screenSaverActiveChanged(bool active) {
    if (active) {
        Q_EMIT sleeping();
    }
}

} // namespace glowdeck
