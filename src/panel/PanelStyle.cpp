#include "PanelStyle.h"

#include <QApplication>

namespace glowdeck {

QFont PanelStyle::font(int px, QFont::Weight weight) {
    QFont f = QApplication::font();
    f.setPixelSize(px);
    f.setWeight(weight);
    return f;
}

QColor PanelStyle::primary(const QPalette& palette) {
    return palette.color(QPalette::WindowText);
}

QColor PanelStyle::secondary(const QPalette& palette) {
    return faint(palette, isDark(palette) ? 0.6 : 0.55);
}

QColor PanelStyle::faint(const QPalette& palette, double alpha) {
    QColor c = primary(palette);
    c.setAlphaF(static_cast<float>(alpha * c.alphaF()));
    return c;
}

QColor PanelStyle::accent(const QPalette& palette) {
    return palette.color(QPalette::Highlight);
}

bool PanelStyle::isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

} // namespace glowdeck
