#pragma once

#include "shell/desktop/ColorScheme.h"

#include <QDBusConnection>
// Complete where moc reads the change slot, so that the slot's meta-data carries the type itself.
#include <QDBusVariant>
#include <QObject>

#include <functional>
#include <optional>

class QVariant;

namespace glowdeck {

// The desktop's colour-scheme preference through the XDG desktop portal's Settings interface
// (org.freedesktop.appearance color-scheme: 0 no preference, 1 dark, 2 light), which GNOME and
// KDE both provide. Reading never blocks: the answer comes later, through onRead.
class ColorSchemePortal : public QObject {
    Q_OBJECT

public:
    // The answer to read(): the preference, or nothing when no portal answers with one.
    std::function<void(std::optional<ColorScheme>)> onRead;
    // A change the portal announces (SettingChanged).
    std::function<void(ColorScheme)> onChanged;

    explicit ColorSchemePortal(const QDBusConnection& bus);

    // Subscribes to changes and asks for the preference: ReadOne, then Read on portals older
    // than ReadOne (before version 2 of the interface).
    void read();

    // The preference a portal's value gives: a number, possibly wrapped in variants (Read wraps
    // it twice). Nothing for a value that is none of the three.
    static std::optional<ColorScheme> fromValue(const QVariant& value);

private Q_SLOTS:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void ask(const QString& method);

    QDBusConnection bus_;
    bool subscribed_ = false;
};

} // namespace glowdeck
