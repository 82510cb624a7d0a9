#include "Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>
#include <limits>

namespace glowdeck {

namespace {

struct Pair {
    QColor light;
    QColor dark;
    QColor pick(Appearance appearance) const {
        return appearance == Appearance::Dark ? dark : light;
    }
};

// The usual desktop system colours, in sRGB.
const Pair red{QColor(255, 59, 48), QColor(255, 69, 58)};
const Pair orange{QColor(255, 149, 0), QColor(255, 159, 10)};
const Pair green{QColor(52, 199, 89), QColor(48, 209, 88)};
const Pair cyan{QColor(50, 173, 230), QColor(100, 210, 255)};
const Pair blue{QColor(0, 122, 255), QColor(10, 132, 255)};
const Pair indigo{QColor(88, 86, 214), QColor(94, 92, 230)};
const Pair purple{QColor(175, 82, 222), QColor(191, 90, 242)};
const Pair pink{QColor(255, 45, 85), QColor(255, 55, 95)};
const Pair teal{QColor(48, 176, 199), QColor(64, 200, 224)};

const Pair& tintPair(Tint tint) {
    switch (tint) {
    case Tint::Orange:
        return orange;
    case Tint::Blue:
        return blue;
    case Tint::Indigo:
        return indigo;
    case Tint::Red:
        return red;
    case Tint::Cyan:
        return cyan;
    case Tint::Pink:
        return pink;
    case Tint::Green:
        return green;
    case Tint::Purple:
        return purple;
    case Tint::Teal:
        return teal;
    }
    return orange;
}

} // namespace

Appearance currentAppearance() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return Appearance::Light;
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    return window.lightness() < 128 ? Appearance::Dark : Appearance::Light;
}

QColor tintColor(Tint tint, Appearance appearance) {
    return tintPair(tint).pick(appearance);
}
QColor tintColor(Tint tint) {
    return tintColor(tint, currentAppearance());
}

QColor standardOrange(Appearance appearance) {
    return orange.pick(appearance);
}
QColor standardOrange() {
    return standardOrange(currentAppearance());
}
QColor standardBlue(Appearance appearance) {
    return blue.pick(appearance);
}
QColor standardBlue() {
    return standardBlue(currentAppearance());
}

int component255(double fraction) {
    if (std::isnan(fraction))
        return 0;
    const double scaled = fraction * 255.0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (scaled <= lowest)
        return std::numeric_limits<int>::min();
    if (scaled >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(std::lround(scaled));
}

} // namespace glowdeck
