#include "DesktopClickCatcher.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <string_view>
#include <utility>

namespace glowdeck {

DesktopClickCatcher::DesktopClickCatcher(std::function<void()> onClick)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      onClick_(std::move(onClick)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Glowdeck"));
    // A desktop window: window managers keep it below all others and out of task bars, pagers
    // and switchers. Qt hands the type to the window system only once the window exists.
    winId();
    setAttribute(Qt::WA_X11NetWmWindowTypeDesktop);
}

bool DesktopClickCatcher::wanted(const DisplayPlatform::Lookup& environment) {
    // A colon-separated list, such as "ubuntu:GNOME".
    const auto desktops = environment("XDG_CURRENT_DESKTOP");
    if (!desktops) {
        return false;
    }
    std::string_view rest = *desktops;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        if (rest.substr(0, colon) == "GNOME") {
            return true;
        }
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

bool DesktopClickCatcher::wanted() {
    return wanted(DisplayPlatform::processEnvironment);
}

void DesktopClickCatcher::cover() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->virtualGeometry());
    }
    show();
}

void DesktopClickCatcher::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // Later, and not through this window, which the callback may destroy.
    QTimer::singleShot(0, qApp, [catcher = QPointer(this), onClick = onClick_] {
        if (catcher && onClick) {
            onClick();
        }
    });
}

} // namespace glowdeck
