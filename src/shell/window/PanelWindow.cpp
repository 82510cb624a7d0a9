#include "PanelWindow.h"

#include "shell/desktop/SwayIpc.h"
#include "shell/desktop/X11Support.h"
#include "shell/window/PanelLog.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include <utility>

namespace glowdeck {

namespace {

// Sway maps the window after the program shows it: a try every 15 ms for 600 ms.
constexpr int swayRetryMs = 15;
constexpr int swayTries = 40;

} // namespace

PanelWindow::PanelWindow(QWidget* content, QString swaySocket)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      content_(content), swaySocket_(std::move(swaySocket)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Glowdeck"));
    if (content_ != nullptr) {
        content_->setParent(this);
        content_->show();
    }
    resize(fittingSize());
    swayRetry_.setSingleShot(true);
    swayRetry_.setInterval(swayRetryMs);
    connect(&swayRetry_, &QTimer::timeout, this, [this] { tryPlaceOnSway(); });
}

QString PanelWindow::defaultSwaySocket() {
    return X11Support::available() ? SwayIpc::socketPath() : QString();
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

void PanelWindow::place(const QRect& frame) {
    frame_ = frame;
    // A shown window under sway is moved by sway; Qt learns the new frame from the server.
    if (swaySocket_.isEmpty() || !isVisible() ||
        !SwayIpc::run(swaySocket_, SwayIpc::placeCommand(winId(), frame))) {
        setGeometry(frame);
        if (isVisible()) {
            X11Support::moveResize(windowHandle(), frame);
        }
    }
}

void PanelWindow::showAndActivate() {
    if (!isVisible()) {
        winId();
        X11Support::skipTaskbarAndPager(windowHandle());
        if (!swaySocket_.isEmpty()) {
            setRevealed(false);
            swayTries_ = 0;
            swayRetry_.start(0);
        }
    }
    const bool mapping = !isVisible();
    const QRect frame = geometry();
    show();
    if (mapping && swaySocket_.isEmpty()) {
        // The window manager takes the window in as it is mapped, and may move it then.
        X11Support::moveResize(windowHandle(), frame);
    }
    raise();
    activateWindow();
    X11Support::activate(windowHandle());
}

void PanelWindow::setRevealed(bool revealed) {
    revealed_ = revealed;
    if (content_ != nullptr) {
        content_->setVisible(revealed);
    }
    update();
}

void PanelWindow::tryPlaceOnSway() {
    if (!isVisible()) {
        return;
    }
    if (SwayIpc::run(swaySocket_, SwayIpc::placeCommand(winId(), frame_)) ||
        ++swayTries_ >= swayTries) {
        setRevealed(true);
        return;
    }
    swayRetry_.start(swayRetryMs); // the first try's start(0) left the interval at 0
}

void PanelWindow::paintEvent(QPaintEvent*) {
    if (!revealed_) {
        return;
    }
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
        qCDebug(panelLog) << "hidden by Escape";
        hide();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PanelWindow::mousePressEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton || event->button() == Qt::RightButton ||
                       event->button() == Qt::MiddleButton;
    if (click && !sheetRect().contains(event->position().toPoint())) {
        // Hidden when the button comes up: until then the press holds the pointer for this
        // window, and the release cannot reach the window below. A tray icon there that acts on
        // release (XFCE's) would open the panel again.
        pressedOutside_ = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PanelWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedOutside_) {
        qCDebug(panelLog) << "hidden by a click outside the sheet at" << event->position();
        event->accept();
        hide();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void PanelWindow::hideEvent(QHideEvent* event) {
    // Spontaneous hide events come from the window system (a minimised window, say) while the
    // window stays shown as far as the program is concerned.
    if (event->spontaneous()) {
        return;
    }
    pressedOutside_ = false;
    swayRetry_.stop();
    setRevealed(true);
    if (onHide) {
        onHide();
    }
}

} // namespace glowdeck
