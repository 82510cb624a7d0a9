#include "OutsideClickWatch.h"

#include "shell/desktop/X11RawButtons.h"
#include "shell/window/PanelLog.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace glowdeck {

namespace {

bool isClick(int button) {
    return button >= 1 && button <= 3;
}

} // namespace

OutsideClickWatch::OutsideClickWatch(std::function<void()> onOutside)
    : onOutside_(std::move(onOutside)) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow* window) { focusChanged(window); });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    focusChanged(nullptr);
                }
            });
    rawButtons_ = std::make_unique<X11RawButtons>([this](int button, bool pressed) {
        // Where the pointer is now, while the press is fresh: raw events tell no place.
        if (pressed) {
            buttonPressed(button, QCursor::pos());
        } else {
            buttonReleased(button);
        }
    });
    qCDebug(panelLog) << (watchingPresses() ? "watching presses everywhere (XInput raw events)"
                                            : "watching the focus only");
}

OutsideClickWatch::~OutsideClickWatch() = default;

void OutsideClickWatch::focusChanged(QWindow* window) {
    if (window != nullptr || pending_) {
        return;
    }
    pending_ = true;
    QTimer::singleShot(0, this, [this] { settle(); });
}

void OutsideClickWatch::settle() {
    pending_ = false;
    if (QGuiApplication::focusWindow() != nullptr || QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr) {
        return;
    }
    tellOutside();
}

bool OutsideClickWatch::watchingPresses() const {
    return rawButtons_ && rawButtons_->watching();
}

void OutsideClickWatch::buttonPressed(int button, QPoint at) {
    if (!isClick(button)) {
        return;
    }
    // A press on a window of this application reaches that window; one while a menu is open
    // closes the menu; one while this application holds the pointer is its own.
    pressedOutside_ = QApplication::activePopupWidget() == nullptr &&
                      QWidget::mouseGrabber() == nullptr &&
                      QGuiApplication::topLevelAt(at) == nullptr;
    if (pressedOutside_) {
        qCDebug(panelLog) << "a press outside this program's windows at" << at;
    }
}

void OutsideClickWatch::buttonReleased(int button) {
    if (!isClick(button) || !pressedOutside_) {
        return;
    }
    pressedOutside_ = false;
    QTimer::singleShot(0, this, [this] { tellOutside(); });
}

void OutsideClickWatch::tellOutside() {
    // The callback may end the watch: run a copy that outlives this object.
    if (auto onOutside = onOutside_) {
        onOutside();
    }
}

} // namespace glowdeck
