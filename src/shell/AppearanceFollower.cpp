#include "AppearanceFollower.h"

#include "panel/PanelPalette.h"
#include "shell/desktop/ColorSchemePortal.h"
#include "shell/desktop/GnomeColorScheme.h"
#include "shell/desktop/KdeColorScheme.h"
#include "shell/window/PanelLog.h"

#include <QApplication>
#include <QStyle>
#include <QTimer>

namespace glowdeck {

AppearanceFollower::AppearanceFollower(const QDBusConnection& bus)
    : portal_(std::make_unique<ColorSchemePortal>(bus)), toolkit_(QApplication::palette()) {
    portal_->onRead = [this](std::optional<ColorScheme> scheme) {
        if (scheme) {
            apply(*scheme);
        } else {
            fallBack();
        }
    };
    portal_->onChanged = [this](ColorScheme scheme) { apply(scheme); };
}

AppearanceFollower::~AppearanceFollower() = default;

void AppearanceFollower::start() {
    QTimer::singleShot(0, this, [this] { portal_->read(); });
}

void AppearanceFollower::fallBack() {
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    qCDebug(panelLog) << "no colour scheme from the desktop portal; the desktop:" << desktop;
    if (desktop.contains(QLatin1String("GNOME"), Qt::CaseInsensitive)) {
        GnomeColorScheme::read(this, [this](std::optional<ColorScheme> scheme) {
            if (scheme) {
                apply(*scheme);
            }
        });
    } else if (desktop.contains(QLatin1String("KDE"), Qt::CaseInsensitive)) {
        if (const auto scheme = KdeColorScheme::read()) {
            apply(*scheme);
        }
    }
}

void AppearanceFollower::apply(ColorScheme scheme) {
    qCDebug(panelLog) << "the desktop prefers"
                      << (scheme == ColorScheme::Dark    ? "dark"
                          : scheme == ColorScheme::Light ? "light"
                                                         : "no colour scheme");
    const QPalette palette =
        scheme == ColorScheme::NoPreference
            ? toolkit_
            : PanelPalette::following(scheme == ColorScheme::Dark, toolkit_,
                                      QApplication::style()->standardPalette());
    if (palette != QApplication::palette()) {
        QApplication::setPalette(palette);
    }
}

} // namespace glowdeck
