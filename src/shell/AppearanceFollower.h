#pragma once

#include "shell/desktop/ColorScheme.h"

#include <QDBusConnection>
#include <QObject>
#include <QPalette>

#include <memory>

namespace glowdeck {

class ColorSchemePortal;

// Keeps the application's palette, and so the panel, dark or light as the desktop prefers: the
// portal's colour-scheme first and its changes live, else GNOME's or KDE's own setting. Where
// the toolkit's palette already suits the preference it stays; otherwise the panel's own dark or
// light palette replaces it.
class AppearanceFollower : public QObject {
public:
    explicit AppearanceFollower(const QDBusConnection& bus);
    ~AppearanceFollower() override;

    // Asks for the preference once the event loop runs, off the start-up path.
    void start();

    // Gives the application the palette for `scheme`.
    void apply(ColorScheme scheme);

private:
    void fallBack();

    std::unique_ptr<ColorSchemePortal> portal_;
    QPalette toolkit_;
};

} // namespace glowdeck
