#include "GlyphLabel.h"

#include "Icons.h"
#include "PanelStyle.h"

#include <QPainter>

namespace glowdeck {

GlyphLabel::GlyphLabel(std::string_view symbol, int pixelSize, QColor color, QWidget* parent)
    : QWidget(parent), glyph_(Icons::glyph(symbol)), size_(pixelSize), color_(color) {
    setFixedSize(pixelSize, pixelSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GlyphLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(Icons::font(size_));
    painter.setPen(color_.isValid() ? color_ : PanelStyle::secondary(palette()));
    painter.drawText(rect(), Qt::AlignCenter, glyph_);
}

} // namespace glowdeck
