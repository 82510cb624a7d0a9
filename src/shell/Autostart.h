#pragma once

#include <QString>

#include <optional>
#include <string>

namespace glowdeck {

// The XDG autostart entry that starts a program when the user logs in,
// $XDG_CONFIG_HOME/autostart/<desktop id>.desktop (~/.config/autostart by default), which KDE,
// GNOME, XFCE, LXQt and most other desktops honour. Reading it never writes anything.
class Autostart {
public:
    // `desktopId`: the entry's file name without ".desktop"; `program`: the absolute path of the
    // executable it starts.
    Autostart(QString desktopId, QString program);
    // This program, under the application's desktop file name.
    static Autostart forThisProgram();

    QString path() const;
    // True while the entry exists, is not switched off and starts `program`.
    bool enabled() const;
    // Writes the entry (replacing one that starts something else) or removes it. A failure comes
    // back as a sentence for the status line.
    std::optional<std::string> setEnabled(bool on) const;

private:
    bool startsProgram(const QString& exec) const;

    QString desktopId_;
    QString program_;
};

} // namespace glowdeck
