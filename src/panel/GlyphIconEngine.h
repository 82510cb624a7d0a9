#pragma once

#include <QColor>
#include <QIconEngine>
#include <QString>

namespace glowdeck {

// Draws one glyph of the icon font in one colour, at whatever size and scale it is asked for.
class GlyphIconEngine : public QIconEngine {
public:
    GlyphIconEngine(QString glyph, QColor color, int pixelSize);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

    // How much of a disabled icon's colour shows.
    static constexpr qreal disabledOpacity = 0.35;

private:
    QString glyph_;
    QColor color_;
    int pixelSize_;
};

} // namespace glowdeck
