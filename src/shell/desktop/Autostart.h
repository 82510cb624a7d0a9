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
    // True while the entry exists, is not switched off and starts `program` (directly or through
    // env(1)).
    bool enabled() const;
    // Writes the entry or removes it. An entry already there keeps the user's keys: its Exec is
    // replaced only when it starts something else, and what switched it off goes. A failure
    // comes back as a sentence for the status line.
    std::optional<std::string> setEnabled(bool on) const;

private:
    bool startsProgram(const QString& exec) const;
    // The text that turns on the entry at `file`, which may hold one already.
    QString entryText(const QString& file) const;

    QString desktopId_;
    QString program_;
};

} // namespace glowdeck
