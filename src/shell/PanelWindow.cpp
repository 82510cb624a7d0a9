#include "PanelWindow.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPainterPath>

namespace glowdeck {

PanelWindow::PanelWindow(QWidget* content)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      content_(content) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Glowdeck"));
    if (content_ != nullptr) {
        content_->setParent(this);
        content_->show();
    }
    resize(fittingSize());
}

QSize PanelWindow::fittingSize() const {
    if (content_ == nullptr) {
        return fallbackSize;
    }
    if (QLayout* layout = content_->layout()) {
        layout->activate();
    }
    const QSize size = content_->sizeHint();
    return size.isValid() ? size + QSize(2 * margin, 2 * margin) : fallbackSize;
}

QRect PanelWindow::sheetRect() const {
    return rect().adjusted(margin, margin, -margin, -margin);
}

void PanelWindow::showAndActivate() {
    show();
    raise();
    activateWindow();
}

void PanelWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::Window);
    fill.setAlphaF(0.88f);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(0.14f);
    // The pen is centred on the path: inset by half its width so the edge is not clipped.
    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(sheetRect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius,
                         cornerRadius);
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(fill);
    painter.drawPath(sheet);
}

void PanelWindow::resizeEvent(QResizeEvent*) {
    if (content_ != nullptr) {
        content_->setGeometry(sheetRect());
    }
}

void PanelWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PanelWindow::hideEvent(QHideEvent* event) {
    // Spontaneous hide events come from the window system (a minimised window, say) while the
    // window stays shown as far as the program is concerned.
    if (!event->spontaneous() && onHide) {
        onHide();
    }
}

} // namespace glowdeck
