#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

// A dbus-daemon of the test's own, and named connections to it, which end with it.
class PrivateBus {
public:
    static bool installed() {
        return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty();
    }

    // Starts the daemon; false when it did not say where it listens.
    bool start() {
        daemon_.start(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (!daemon_.waitForStarted(5000) ||
            !QTest::qWaitFor([&] { return daemon_.canReadLine(); }, 5000))
            return false;
        address_ = QString::fromUtf8(daemon_.readLine().trimmed());
        return true;
    }

    ~PrivateBus() {
        for (const QString& name : names_)
            QDBusConnection::disconnectFromBus(name);
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }

    QString address() const { return address_; }

    QDBusConnection connect(const QString& role) {
        const QString name = QStringLiteral("%1-%2").arg(role).arg(names_.size());
        names_.push_back(name);
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QProcess daemon_;
    QString address_;
    QStringList names_;
};
