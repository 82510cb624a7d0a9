#include "PanelPalette.h"

#include "panel/PanelStyle.h"

namespace glowdeck {

QPalette PanelPalette::dark() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(38, 38, 42));
    p.setColor(QPalette::WindowText, QColor(236, 236, 240));
    p.setColor(QPalette::Base, QColor(28, 28, 31));
    p.setColor(QPalette::AlternateBase, QColor(44, 44, 48));
    p.setColor(QPalette::Text, QColor(236, 236, 240));
    p.setColor(QPalette::Button, QColor(58, 58, 63));
    p.setColor(QPalette::ButtonText, QColor(236, 236, 240));
    p.setColor(QPalette::Highlight, QColor(10, 132, 255));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(64, 156, 255));
    p.setColor(QPalette::PlaceholderText, QColor(236, 236, 240, 110));
    p.setColor(QPalette::ToolTipBase, QColor(58, 58, 63));
    p.setColor(QPalette::ToolTipText, QColor(236, 236, 240));
    p.setColor(QPalette::Light, QColor(70, 70, 75));
    p.setColor(QPalette::Midlight, QColor(60, 60, 65));
    p.setColor(QPalette::Mid, QColor(45, 45, 50));
    p.setColor(QPalette::Dark, QColor(20, 20, 22));
    p.setColor(QPalette::Shadow, Qt::black);
    return p;
}

QPalette PanelPalette::light(const QPalette& base) {
    QPalette p = base;
    p.setColor(QPalette::Window, QColor(246, 246, 248));
    p.setColor(QPalette::WindowText, QColor(28, 28, 30));
    p.setColor(QPalette::Highlight, QColor(0, 122, 255));
    p.setColor(QPalette::Link, QColor(0, 102, 214));
    return p;
}

QPalette PanelPalette::following(bool dark, const QPalette& current, const QPalette& standard) {
    if (PanelStyle::isDark(current) == dark) {
        return current;
    }
    return dark ? PanelPalette::dark() : PanelPalette::light(standard);
}

} // namespace glowdeck
