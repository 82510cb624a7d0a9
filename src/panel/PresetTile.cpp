#include "PresetTile.h"

#include "Colors.h"
#include "Icons.h"
#include "PanelStyle.h"
#include "PresetName.h"

#include <QPainter>

namespace glowdeck {

namespace {

// The name's font, and the room the painting leaves on each side of it.
QFont nameFont() {
    return PanelStyle::font(11, QFont::Medium);
}
constexpr int nameMargin = 2;

} // namespace

PresetTile::PresetTile(const LightPreset& preset, QWidget* parent)
    : QAbstractButton(parent), preset_(preset) {
    const QString name = PresetName::of(preset);
    setText(name);
    setAccessibleName(name);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(tileHeight);
    connect(this, &QAbstractButton::clicked, this, &PresetTile::chosen);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (applying_)
            return;
        setActive(!checked);
        Q_EMIT chosen();
    });
}

void PresetTile::setActive(bool active) {
    if (isChecked() == active)
        return;
    applying_ = true;
    setChecked(active);
    applying_ = false;
}

QSize PresetTile::minimumSizeHint() const {
    return {QFontMetrics(nameFont()).horizontalAdvance(text()) + 2 * nameMargin, tileHeight};
}

void PresetTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.35); // a scene this light cannot show
    const bool active = isChecked();
    const QPalette pal = palette();
    const bool dark = PanelStyle::isDark(pal);

    QColor face;
    if (active) {
        face = PanelStyle::accent(pal);
        if (isDown())
            face = face.darker(110);
    } else {
        double alpha = dark ? 0.08 : 0.05;
        if (isDown())
            alpha += 0.08;
        else if (underMouse())
            alpha += 0.04;
        face = PanelStyle::faint(pal, alpha);
    }
    const QRectF tile = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(active ? Qt::NoPen : QPen(PanelStyle::faint(pal, dark ? 0.10 : 0.07), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(tile, 12, 12);
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(active ? QColor(Qt::white) : PanelStyle::accent(pal), 1.5));
        painter.drawRoundedRect(tile.adjusted(1, 1, -1, -1), 11, 11);
    }

    // Icon (18 px) and name (11 px), 5 px apart, centred as a column.
    const QFont font = nameFont();
    const QFontMetrics nameMetrics(font);
    const int iconSize = 18;
    const int total = iconSize + 5 + nameMetrics.height();
    const int top = (height() - total) / 2;
    painter.setFont(Icons::font(iconSize));
    painter.setPen(active ? QColor(Qt::white) : tintColor(preset_.tint));
    painter.drawText(QRect(0, top, width(), iconSize), Qt::AlignCenter,
                     Icons::glyph(preset_.symbol));
    painter.setFont(font);
    painter.setPen(active ? QColor(Qt::white) : PanelStyle::primary(pal));
    const int room = width() - 2 * nameMargin;
    painter.drawText(QRect(nameMargin, top + iconSize + 5, room, nameMetrics.height()),
                     Qt::AlignCenter, nameMetrics.elidedText(text(), Qt::ElideRight, room));
}

} // namespace glowdeck
