#include "PowerButton.h"

#include "Colors.h"
#include "Icons.h"
#include "PanelStyle.h"

#include <QPainter>

namespace glowdeck {

PowerButton::PowerButton(QWidget* parent) : QAbstractButton(parent) {
    setFixedSize(diameter, diameter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    on_ = true; // force the first setOn to apply
    setOn(false);
}

void PowerButton::setOn(bool on) {
    if (on_ == on)
        return;
    on_ = on;
    setToolTip(on ? tr("Turn off") : tr("Turn on"));
    setAccessibleName(toolTip());
    update();
}

void PowerButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = on_ ? standardOrange() : PanelStyle::faint(palette(), 0.07);
    if (isDown())
        fill = fill.darker(115);
    else if (underMouse() && !on_)
        fill = PanelStyle::faint(palette(), 0.12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(PanelStyle::accent(palette()), 2));
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    painter.setFont(Icons::font(21));
    painter.setPen(on_ ? QColor(Qt::white) : PanelStyle::secondary(palette()));
    painter.drawText(rect(), Qt::AlignCenter, Icons::glyph("lightbulb.fill"));
}

} // namespace glowdeck
