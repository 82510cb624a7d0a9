#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace glowdeck {

// Where waybar shows its tray, from waybar's own configuration. Waybar before 0.10 tells a
// StatusNotifierItem where within the icon it was clicked, not where on the screen, and sway
// tells only which edge a bar takes: the configuration says which end of the bar holds the tray.
class WaybarConfig {
public:
    // The tray's place along the bar: its left (or top) group of modules, the centre, the right.
    enum class Group { Start, Centre, End };

    struct Bar {
        // The outputs it is shown on: empty for every one; "!NAME" leaves NAME out.
        QStringList outputs;
        Group tray = Group::End;
    };

    // The bars with a tray in a configuration: a JSON object or a list of them, with comments
    // (waybar takes // and /* */).
    static QList<Bar> parse(const QByteArray& text);

    // The first bar of `bars` that shows a tray on `output`.
    static std::optional<Bar> on(const QList<Bar>& bars, const QString& output);

    // The configuration a running waybar of this user reads: the one named by its -c or
    // --config, else the first of waybar's own places that exists; empty without a waybar.
    static QString runningPath();

    // The bars with a tray of the running waybar; empty without one.
    static QList<Bar> running();
};

} // namespace glowdeck
