#include "InstanceAddress.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace glowdeck {

namespace {

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

QString InstanceAddress::forThisDisplay(QString* problem) {
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

} // namespace glowdeck
