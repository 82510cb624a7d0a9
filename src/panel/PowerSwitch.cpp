#include "PowerSwitch.h"

#include "PanelStyle.h"

#include <QPainter>

namespace glowdeck {

PowerSwitch::PowerSwitch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Power"));
    // Listen to toggled rather than clicked: an assistive technology toggles a checkable button
    // without clicking it.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (applying_)
            return;
        applying_ = true;
        setChecked(reported_);
        applying_ = false;
        Q_EMIT flipped(on);
    });
}

void PowerSwitch::setReported(bool on) {
    reported_ = on;
    applying_ = true;
    setChecked(on);
    applying_ = false;
}

void PowerSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = track.height() / 2;
    const bool on = isChecked();
    painter.setPen(on ? Qt::NoPen : QPen(PanelStyle::faint(palette(), 0.10), 1));
    painter.setBrush(on ? PanelStyle::accent(palette()) : PanelStyle::faint(palette(), 0.12));
    painter.drawRoundedRect(track, radius, radius);
    const qreal knob = track.height() - 4;
    const qreal x = on ? track.right() - 2 - knob : track.left() + 2;
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(PanelStyle::accent(palette()), 1.5));
        painter.drawRoundedRect(track, radius, radius);
    }
}

} // namespace glowdeck
