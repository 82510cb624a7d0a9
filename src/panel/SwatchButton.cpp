#include "SwatchButton.h"

#include "PanelStyle.h"

#include <QPainter>

namespace glowdeck {

SwatchButton::SwatchButton(const QColor& color, const QString& name, QWidget* parent)
    : QAbstractButton(parent), color_(color) {
    setAccessibleName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(30);
    connect(this, &QAbstractButton::clicked, this, [this] { Q_EMIT chosen(color_); });
}

void SwatchButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(QPointF(width() / 2.0 - diameter / 2.0, height() / 2.0 - diameter / 2.0),
                        QSizeF(diameter, diameter));
    painter.setPen(Qt::NoPen);
    painter.setBrush(isDown() ? color_.darker(115) : color_);
    painter.drawEllipse(circle);
    // The hairline sits inside the circle's edge.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(PanelStyle::faint(palette(), 0.10), 1));
    painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus() || underMouse()) {
        painter.setPen(QPen(
            hasFocus() ? PanelStyle::accent(palette()) : PanelStyle::faint(palette(), 0.25), 1.5));
        painter.drawEllipse(circle.adjusted(-2.5, -2.5, 2.5, 2.5));
    }
}

} // namespace glowdeck
