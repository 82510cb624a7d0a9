#include "DevicePixels.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace glowdeck {

namespace {

QRect inDevicePixels(const DevicePixels::Screen& screen) {
    const QRect& g = screen.geometry;
    return QRect(g.topLeft(), QSize(static_cast<int>(std::lround(g.width() * screen.ratio)),
                                    static_cast<int>(std::lround(g.height() * screen.ratio))));
}

// The screen that holds `point`, where `area` gives each screen's rectangle; else the first.
template <typename Area>
const DevicePixels::Screen* holding(const QPoint& point, const QList<DevicePixels::Screen>& screens,
                                    Area area) {
    for (const auto& screen : screens) {
        if (area(screen).contains(point)) {
            return &screen;
        }
    }
    return screens.isEmpty() ? nullptr : &screens.first();
}

// `r` scaled by `factor` about `origin`. The edges are scaled, not the size, so that rectangles
// that touch still touch; an edge between pixels falls to the pixel below it.
QRect scaled(const QRect& r, const QPoint& origin, qreal factor) {
    const auto edge = [factor](int at, int from) {
        return from + static_cast<int>(std::floor((at - from) * factor));
    };
    const int left = edge(r.x(), origin.x());
    const int top = edge(r.y(), origin.y());
    const int right = edge(r.x() + r.width(), origin.x());
    const int bottom = edge(r.y() + r.height(), origin.y());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

QList<DevicePixels::Screen> DevicePixels::screens() {
    QList<Screen> all;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const Screen entry{screen->geometry(), screen->devicePixelRatio()};
        if (screen == primary) {
            all.prepend(entry);
        } else {
            all.append(entry);
        }
    }
    return all;
}

QRect DevicePixels::toLogical(const QRect& device, const QList<Screen>& screens) {
    const Screen* screen = holding(device.center(), screens, inDevicePixels);
    if (screen == nullptr || screen->ratio <= 0 || !device.isValid()) {
        return device;
    }
    return scaled(device, screen->geometry.topLeft(), 1 / screen->ratio);
}

QRect DevicePixels::toDevice(const QRect& logical, const QList<Screen>& screens) {
    const Screen* screen =
        holding(logical.center(), screens, [](const Screen& s) { return s.geometry; });
    if (screen == nullptr || screen->ratio <= 0 || !logical.isValid()) {
        return logical;
    }
    return scaled(logical, screen->geometry.topLeft(), screen->ratio);
}

} // namespace glowdeck
