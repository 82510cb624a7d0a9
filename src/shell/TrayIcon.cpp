#include "TrayIcon.h"

#include "panel/Icons.h"

#include <QGuiApplication>
#include <QPalette>

namespace glowdeck {

QIcon TrayIcon::image() {
    // Trays are drawn in the desktop's own colours; the palette's text colour contrasts with
    // them in both light and dark themes.
    const QColor color = QGuiApplication::palette().color(QPalette::WindowText);
    return Icons::icon("lightbulb", color, 22);
}

} // namespace glowdeck
