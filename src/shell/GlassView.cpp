#include "GlassView.h"

#include <QPainter>
#include <QPainterPath>

namespace glowdeck {

GlassView::GlassView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void GlassView::setContentView(QWidget* content) {
    if (content == content_) {
        return;
    }
    delete content_;
    content_ = content;
    if (content_ != nullptr) {
        content_->setParent(this);
        content_->setGeometry(rect());
        content_->show();
    }
}

void GlassView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QColor fill = palette().color(QPalette::Window);
    fill.setAlphaF(0.88f);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(0.14f);

    // The pen is centred on the path: inset by half its width so the edge is not clipped.
    const QRectF sheet = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(sheet, cornerRadius, cornerRadius);
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void GlassView::resizeEvent(QResizeEvent*) {
    if (content_ != nullptr) {
        content_->setGeometry(rect());
    }
}

} // namespace glowdeck
