#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace glowdeck {

// Fonts and colours shared by the panel's sections. Sizes are device-independent pixels;
// colours derive from the widget's palette so light and dark desktops both look right.
class PanelStyle {
public:
    static QFont font(int px, QFont::Weight weight = QFont::Normal);
    static QFont caption() { return font(11); }
    static QFont body() { return font(13); }
    static QFont headline() { return font(13, QFont::DemiBold); }

    // The foreground colour of ordinary text.
    static QColor primary(const QPalette& palette);
    // Quieter text: the foreground at reduced strength.
    static QColor secondary(const QPalette& palette);
    // The foreground at `alpha` (0…1), for hairlines and faint fills.
    static QColor faint(const QPalette& palette, double alpha);
    // The desktop's accent colour.
    static QColor accent(const QPalette& palette);
    // True when the palette is a dark one.
    static bool isDark(const QPalette& palette);
};

} // namespace glowdeck
