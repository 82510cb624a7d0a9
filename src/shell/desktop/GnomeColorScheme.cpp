#include "GnomeColorScheme.h"

#include <QProcess>

namespace glowdeck {

std::optional<ColorScheme> GnomeColorScheme::fromGsettings(const QByteArray& output) {
    const QByteArray value = output.trimmed();
    if (value == "'prefer-dark'") {
        return ColorScheme::Dark;
    }
    if (value == "'prefer-light'") {
        return ColorScheme::Light;
    }
    if (value == "'default'") {
        return ColorScheme::NoPreference;
    }
    return std::nullopt;
}

void GnomeColorScheme::read(QObject* owner, std::function<void(std::optional<ColorScheme>)> done) {
    auto* process = new QProcess(owner);
    QObject::connect(process, &QProcess::finished, owner,
                     [process, done](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         const bool ok = status == QProcess::NormalExit && code == 0;
                         done(ok ? fromGsettings(process->readAllStandardOutput()) : std::nullopt);
                     });
    QObject::connect(process, &QProcess::errorOccurred, owner,
                     [process, done](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             process->deleteLater();
                             done(std::nullopt);
                         }
                     });
    process->start(QStringLiteral("gsettings"),
                   {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                    QStringLiteral("color-scheme")});
}

} // namespace glowdeck
