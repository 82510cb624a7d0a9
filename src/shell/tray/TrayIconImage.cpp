#include "TrayIconImage.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace glowdeck {

namespace {

// The drawing's own square, as in data/glowdeck.svg.
constexpr qreal unit = 64;
const QColor bulbGlass(0xff, 0xd2, 0x4d);
const QColor base(0xc9, 0xcd, 0xd2);
const QColor outline(0x1c, 0x1c, 0x1c);

QPainterPath bulb() {
    QPainterPath path(QPointF(32, 6));
    path.cubicTo(21, 6, 12, 14.6, 12, 25.6);
    path.cubicTo(12, 32.6, 15.6, 38, 20.2, 41.6);
    path.cubicTo(21.8, 42.9, 22.8, 44.7, 22.8, 46.7);
    path.lineTo(22.8, 49);
    path.lineTo(41.2, 49);
    path.lineTo(41.2, 46.7);
    path.cubicTo(41.2, 44.7, 42.2, 42.9, 43.8, 41.6);
    path.cubicTo(48.4, 38, 52, 32.6, 52, 25.6);
    path.cubicTo(52, 14.6, 43, 6, 32, 6);
    path.closeSubpath();
    return path;
}

QPainterPath screw() {
    QPainterPath path;
    path.addRoundedRect(QRectF(23, 51, 18, 4), 1.5, 1.5);
    path.addRoundedRect(QRectF(25, 56, 14, 4), 2, 2);
    return path;
}

} // namespace

QList<int> TrayIconImage::sizes() {
    return {16, 22, 24, 32, 48, 64};
}

QImage TrayIconImage::render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = size / unit;
    painter.scale(scale, scale);
    // An outline of 3 units, as in the scalable icon, and never under 2 pixels: wide enough to
    // read on a light bar at tray sizes.
    const qreal width = std::max(2.0, 3 * scale) / scale;
    painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(bulbGlass);
    painter.drawPath(bulb());
    painter.setBrush(base);
    painter.drawPath(screw());
    return image;
}

QList<QImage> TrayIconImage::images() {
    QList<QImage> all;
    for (int size : sizes()) {
        all.append(render(size));
    }
    return all;
}

QIcon TrayIconImage::icon() {
    QIcon icon;
    for (const QImage& image : images()) {
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace glowdeck
