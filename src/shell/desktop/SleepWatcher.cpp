#include "SleepWatcher.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <unistd.h>

namespace glowdeck {

SleepWatcher::SleepWatcher(QObject* parent)
    : SleepWatcher(QDBusConnection::systemBus(), QDBusConnection::sessionBus(), parent) {}

SleepWatcher::SleepWatcher(QDBusConnection systemBus, QDBusConnection sessionBus, QObject* parent)
    : QObject(parent) {
    if (systemBus.isConnected()) {
        system_ = systemBus.connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
            this, SLOT(prepareForSleep(bool)));
        // logind sends Lock on the session's own object path: ask which one is ours, without
        // waiting for the answer.
        const QString login = QStringLiteral("org.freedesktop.login1");
        QDBusMessage ask = QDBusMessage::createMethodCall(
            login, QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"));
        ask << static_cast<uint>(::getpid());
        auto* answer = new QDBusPendingCallWatcher(systemBus.asyncCall(ask), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this,
                [this, login, systemBus](QDBusPendingCallWatcher* call) {
                    const QDBusPendingReply<QDBusObjectPath> session = *call;
                    if (session.isValid()) {
                        QDBusConnection(systemBus).connect(
                            login, session.value().path(),
                            QStringLiteral("org.freedesktop.login1.Session"),
                            QStringLiteral("Lock"), this, SLOT(lockRequested()));
                    }
                    call->deleteLater();
                });
    }
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
        const bool onGnomePath = sessionBus.connect(
            QString(), QStringLiteral("/org/gnome/ScreenSaver"),
            QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("ActiveChanged"), this,
            SLOT(screenSaverActiveChanged(bool)));
        session_ = onFreedesktopPath || onShortPath || onGnomePath;
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

void SleepWatcher::lockRequested() {
    Q_EMIT sleeping();
}

} // namespace glowdeck
