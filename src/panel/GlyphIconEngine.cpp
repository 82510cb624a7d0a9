#include "GlyphIconEngine.h"

#include "Icons.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

namespace glowdeck {

GlyphIconEngine::GlyphIconEngine(QString glyph, QColor color, int pixelSize)
    : glyph_(std::move(glyph)), color_(std::move(color)), pixelSize_(std::max(1, pixelSize)) {}

void GlyphIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    const int side = std::min(rect.width(), rect.height());
    if (side <= 0)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setFont(Icons::font(side));
    QColor pen = color_;
    if (mode == QIcon::Disabled)
        pen.setAlphaF(static_cast<float>(pen.alphaF() * disabledOpacity));
    painter->setPen(pen);
    const QRect square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2,
                       side, side);
    painter->drawText(square, Qt::AlignCenter, glyph_);
    painter->restore();
}

QPixmap GlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (size.isEmpty())
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
}

QSize GlyphIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    // The glyph scales freely, so any requested size can be drawn exactly.
    return size;
}

QList<QSize> GlyphIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    // The nominal size and its double, for hosts that pick from a list (tray hosts do).
    return {QSize(pixelSize_, pixelSize_), QSize(2 * pixelSize_, 2 * pixelSize_)};
}

QIconEngine* GlyphIconEngine::clone() const {
    return new GlyphIconEngine(*this);
}

QString GlyphIconEngine::key() const {
    return QStringLiteral("glowdeck.glyph");
}

} // namespace glowdeck
