#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace glowdeck {

// The picture of the tray icon: a light bulb, warm yellow with a dark outline, so that it stands
// out on dark bars by its fill and on light ones by its outline. The installed application icon
// (data/glowdeck.svg) is the same drawing.
class TrayIconImage {
public:
    // The sizes offered to trays, in pixels.
    static QList<int> sizes();

    // The bulb drawn on a transparent square of `size` pixels.
    static QImage render(int size);

    // Every offered size.
    static QList<QImage> images();
    static QIcon icon();
};

} // namespace glowdeck
