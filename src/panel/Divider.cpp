#include "Divider.h"

#include "PanelStyle.h"

#include <QPainter>

namespace glowdeck {

Divider::Divider(int inset, QWidget* parent) : QWidget(parent), inset_(inset) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(1);
}

void Divider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(inset_, 0, width() - 2 * inset_, 1), PanelStyle::faint(palette(), 0.12));
}

} // namespace glowdeck
