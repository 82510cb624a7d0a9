#include "GlassPanel.h"

#include "GlassSurface.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace glowdeck {

GlassPanel::GlassPanel(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Glowdeck"));
}

void GlassPanel::setSurface(GlassSurface* surface) {
    if (surface == surface_) {
        return;
    }
    delete surface_;
    surface_ = surface;
    if (surface_ != nullptr) {
        surface_->setParent(this);
        surface_->setGeometry(rect());
        surface_->show();
    }
}

void GlassPanel::makeKeyAndOrderFront() {
    show();
    raise();
    activateWindow();
}

void GlassPanel::orderOut() {
    const bool wasVisible = isVisible();
    hide();
    if (wasVisible && onHide) {
        onHide();
    }
}

void GlassPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cancelOperation();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GlassPanel::closeEvent(QCloseEvent* event) {
    // A close request (from the window system, or from the application quitting, which closes
    // every window first and gives up if one refuses) hides the panel the same way as every
    // other path, and is granted.
    orderOut();
    event->accept();
}

void GlassPanel::resizeEvent(QResizeEvent*) {
    if (surface_ != nullptr) {
        surface_->setGeometry(rect());
    }
}

} // namespace glowdeck
