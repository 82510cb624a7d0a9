#include "ScreenshotSurface.h"

#include "panel/Panel.h"
#include "panel/PanelStyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace glowdeck {

ScreenshotSurface::ScreenshotSurface(Panel* panel) : panel_(panel) {
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(panel);
}

QImage ScreenshotSurface::capture(qreal scale, QWidget* popup) {
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::processEvents();
        panel_->resize(panel_->sizeHint());
        resize(panel_->sizeHint() + QSize(2 * margin, 2 * margin));
    }
    QCoreApplication::processEvents();

    QSize logical = size();
    QPoint popupAt;
    if (popup != nullptr) {
        popupAt = mapFromGlobal(popup->pos());
        logical = logical.expandedTo(
            QSize(popupAt.x() + popup->width() + margin, popupAt.y() + popup->height() + margin));
    }
    QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (popup != nullptr)
        popup->render(&painter, popupAt, QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
    return image;
}

void ScreenshotSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF surface = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    // A soft shadow, then the glass.
    for (int i = 0; i < 8; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 6));
        const qreal spread = 8 - i;
        painter.drawRoundedRect(surface.adjusted(-spread, -spread + 3, spread, spread + 3),
                                radius + spread, radius + spread);
    }
    const bool dark = PanelStyle::isDark(palette());
    QColor glass = palette().color(QPalette::Window);
    glass.setAlpha(dark ? 235 : 240);
    painter.setBrush(glass);
    painter.setPen(QPen(dark ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 28), 1));
    painter.drawRoundedRect(surface.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

} // namespace glowdeck
