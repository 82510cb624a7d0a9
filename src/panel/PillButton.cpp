#include "PillButton.h"

#include "PanelStyle.h"

#include <QPainter>

namespace glowdeck {

PillButton::PillButton(const QString& text, Kind kind, const QFont& font, QWidget* parent)
    : QPushButton(text, parent), kind_(kind) {
    setFont(font);
    setAutoDefault(false);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

QSize PillButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int height = metrics.height() + 10;
    return {std::max(metrics.horizontalAdvance(text()) + 2 * (height / 2 + 4), 2 * height), height};
}

void PillButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    const bool dark = PanelStyle::isDark(pal);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(8.0, face.height() / 2);

    QColor fill;
    QColor ink;
    if (kind_ == Kind::Prominent) {
        fill = PanelStyle::accent(pal);
        if (isDown())
            fill = fill.darker(115);
        else if (underMouse())
            fill = fill.lighter(108);
        ink = Qt::white;
        painter.setPen(Qt::NoPen);
    } else {
        double alpha = dark ? 0.12 : 0.07;
        if (isDown())
            alpha += 0.10;
        else if (underMouse())
            alpha += 0.05;
        fill = PanelStyle::faint(pal, alpha);
        ink = PanelStyle::primary(pal);
        painter.setPen(QPen(PanelStyle::faint(pal, dark ? 0.10 : 0.08), 1));
    }
    if (!isEnabled())
        ink.setAlphaF(0.4f);
    painter.setBrush(fill);
    painter.drawRoundedRect(face, radius, radius);
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(kind_ == Kind::Prominent ? QColor(Qt::white) : PanelStyle::accent(pal), 1.5));
        painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace glowdeck
