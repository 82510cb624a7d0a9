#pragma once

#include <QIcon>

namespace glowdeck {

// The picture of the tray icon: the light-bulb symbol.
class TrayIcon {
public:
    static QIcon image();
};

} // namespace glowdeck
