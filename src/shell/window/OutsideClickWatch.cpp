#include "OutsideClickWatch.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace glowdeck {

OutsideClickWatch::OutsideClickWatch(std::function<void()> onOutside)
    : onOutside_(std::move(onOutside)) {
    focus_ = connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                     [this](QWindow* window) { focusChanged(window); });
    state_ = connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                     [this](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive) {
                             focusChanged(nullptr);
                         }
                     });
}

OutsideClickWatch::~OutsideClickWatch() {
    disconnect(focus_);
    disconnect(state_);
}

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
    // The callback may end the watch: run a copy that outlives this object.
    if (auto onOutside = onOutside_) {
        onOutside();
    }
}

} // namespace glowdeck
