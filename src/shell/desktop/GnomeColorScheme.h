#pragma once

#include "shell/desktop/ColorScheme.h"

#include <QByteArray>

#include <functional>
#include <optional>

class QObject;

namespace glowdeck {

// GNOME's own colour-scheme setting (org.gnome.desktop.interface color-scheme), for a GNOME
// without the desktop portal. Read with gsettings, which follows GNOME's configuration backend.
class GnomeColorScheme {
public:
    // Runs gsettings without waiting; `done` gets the preference, or nothing when gsettings
    // fails or says something else. `owner` ends the process when it goes first.
    static void read(QObject* owner, std::function<void(std::optional<ColorScheme>)> done);

    // The preference in gsettings' answer ("'prefer-dark'", "'prefer-light'", "'default'").
    static std::optional<ColorScheme> fromGsettings(const QByteArray& output);
};

} // namespace glowdeck
