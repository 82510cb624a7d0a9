#include "ToneLabel.h"

#include "PanelStyle.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace glowdeck {

ToneLabel::ToneLabel(const QString& text, const QFont& font, Tone tone, QWidget* parent)
    : QLabel(parent), tone_(tone) {
    setTextFormat(Qt::PlainText);
    setFont(font);
    setText(text);
    applyTone();
}

void ToneLabel::setTone(Tone tone) {
    if (tone_ == tone)
        return;
    tone_ = tone;
    applyTone();
}

void ToneLabel::setTextIfChanged(const QString& text) {
    if (this->text() != text)
        setText(text);
}

void ToneLabel::applyTone() {
    // The colour lives in the label's own palette so QLabel's painting (used for wrapped text)
    // picks it up; it is recomputed whenever the inherited palette changes.
    if (applying_)
        return;
    applying_ = true;
    QPalette pal = parentWidget() ? parentWidget()->palette() : QPalette();
    if (tone_ == Tone::Secondary)
        pal.setColor(QPalette::WindowText, PanelStyle::secondary(pal));
    setPalette(pal);
    applying_ = false;
    update();
}

void ToneLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange)
        applyTone();
}

QSize ToneLabel::minimumSizeHint() const {
    if (wordWrap())
        return QLabel::minimumSizeHint();
    return {0, sizeHint().height()};
}

void ToneLabel::paintEvent(QPaintEvent* event) {
    if (wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    // Metrics round to whole pixels: text that fits to within a pixel is drawn whole.
    const bool fits = QFontMetricsF(font()).horizontalAdvance(text()) <= area.width() + 1;
    const QString shown =
        fits ? text() : fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    // Leading and trailing as the language reads: left-aligned text starts at the right in Arabic.
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    painter.drawText(area, static_cast<int>(aligned) | Qt::TextSingleLine, shown);
}

} // namespace glowdeck
