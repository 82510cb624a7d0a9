#include "TrayIcon.h"

#include "panel/Icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace glowdeck {

namespace {

// A plain disc, for the unlikely case that the icon font could not be loaded: a tray entry
// without a picture would not be shown at all.
QIcon disc(const QColor& color) {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(4, 3, 14, 14));
    painter.drawRect(QRectF(8, 17, 6, 3));
    return QIcon(pixmap);
}

} // namespace

QIcon TrayIcon::image() {
    // Trays are drawn in the desktop's own colours; the palette's text colour contrasts with
    // them in both light and dark themes.
    const QColor color = QGuiApplication::palette().color(QPalette::WindowText);
    QIcon icon = Icons::icon("lightbulb", color, 22);
    return icon.isNull() ? disc(color) : icon;
}

} // namespace glowdeck
