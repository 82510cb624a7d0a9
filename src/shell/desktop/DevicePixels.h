#pragma once

#include <QList>
#include <QRect>

namespace glowdeck {

// The X server counts in device pixels; Qt places windows in logical pixels, the device ones
// divided by the screen's pixel ratio (2 at Xft.dpi 192). Each screen keeps its origin in both,
// so a point on a screen is its origin plus its offset from the origin, scaled.
class DevicePixels {
public:
    struct Screen {
        // Where the screen lies, in logical pixels.
        QRect geometry;
        qreal ratio = 1;
    };

    // The application's screens, the primary first.
    static QList<Screen> screens();

    // `device`, a rectangle on the X server, in logical pixels: scaled by the ratio of the
    // screen that holds its centre (else the first screen's).
    static QRect toLogical(const QRect& device, const QList<Screen>& screens);
    static QRect toLogical(const QRect& device) { return toLogical(device, screens()); }

    // `logical`, a frame Qt would give, in the X server's pixels: scaled by the ratio of the
    // screen that holds its centre (else the first screen's).
    static QRect toDevice(const QRect& logical, const QList<Screen>& screens);
    static QRect toDevice(const QRect& logical) { return toDevice(logical, screens()); }
};

} // namespace glowdeck
