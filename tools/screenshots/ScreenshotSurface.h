#pragma once

#include <QImage>
#include <QWidget>

namespace glowdeck {

class Panel;

// A stand-in for the shell's floating window: a translucent rounded surface (24 px corners) with
// a 16 px transparent margin around it, holding the panel.
class ScreenshotSurface : public QWidget {
public:
    static constexpr int margin = 16;
    static constexpr int radius = 24;

    explicit ScreenshotSurface(Panel* panel);

    // Lays the panel out at its own size and renders everything, menus and forms included, into
    // an image with alpha at `scale` device pixels per point. `popup`, if given, is drawn at its
    // position relative to the surface.
    QImage capture(qreal scale, QWidget* popup = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Panel* panel_;
};

} // namespace glowdeck
