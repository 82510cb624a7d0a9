#include "LightPicker.h"

#include "Icons.h"
#include "MenuButtonAccessible.h"
#include "MenuText.h"
#include "PanelStyle.h"
#include "model/Lights.h"

#include <QPainter>

#include <cmath>

namespace glowdeck {

namespace {
constexpr int chevronSize = 9;
constexpr int gap = 4;
} // namespace

LightPicker::LightPicker(Lights& lights, QWidget* parent)
    : QAbstractButton(parent), lights_(lights), menu_(this) {
    setFont(PanelStyle::headline());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    MenuButtonAccessible::attach(this, &menu_);
    connect(this, &QAbstractButton::clicked, this, &LightPicker::openMenu);
    connect(&menu_, &QMenu::aboutToShow, this, &LightPicker::populate);
}

void LightPicker::setLight(const QString& name, const std::string& ip) {
    ip_ = ip;
    if (name_ != name) {
        name_ = name; // not the button's text, which would make a shortcut of "&x"
        setAccessibleName(name);
        updateGeometry();
        update();
    }
}

void LightPicker::openMenu() {
    menu_.popup(mapToGlobal(QPoint(0, height() + 2)));
}

void LightPicker::populate() {
    menu_.clear();
    const QIcon check = Icons::icon("checkmark", PanelStyle::primary(palette()), 16);
    for (const auto& bulb : lights_.bulbs()) {
        const std::string ip = bulb.ip;
        QAction* entry = menu_.addAction(MenuText::escape(QString::fromStdString(bulb.name)));
        entry->setData(QString::fromStdString(ip));
        entry->setCheckable(true);
        entry->setChecked(ip == ip_);
        if (ip == ip_)
            entry->setIcon(check);
        connect(entry, &QAction::triggered, this, [this, ip] { lights_.setSelected(ip); });
    }
}

QSize LightPicker::sizeHint() const {
    const QFontMetrics metrics(font());
    const int textWidth =
        static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(name_)));
    return {textWidth + 1 + gap + chevronSize + 2, metrics.height()};
}

QSize LightPicker::minimumSizeHint() const {
    return {gap + chevronSize + 24, QFontMetrics(font()).height()};
}

void LightPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor color =
        isDown() ? PanelStyle::secondary(palette()) : PanelStyle::primary(palette());
    painter.setPen(color);
    painter.setFont(font());
    const int room = width() - gap - chevronSize - 2;
    // Elide only what truly does not fit (metrics round; the hint leaves a pixel of slack).
    const QString shown = fontMetrics().elidedText(name_, Qt::ElideRight, room);
    const int textWidth = fontMetrics().horizontalAdvance(shown);
    painter.drawText(QRect(0, 0, room, height()), Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.setFont(Icons::font(chevronSize + 2));
    painter.drawText(QRect(textWidth + gap, 0, chevronSize + 2, height()), Qt::AlignCenter,
                     Icons::glyph("chevron.down"));
    if (hasFocus()) {
        painter.setPen(QPen(PanelStyle::accent(palette()), 1));
        painter.drawLine(0, height() - 1, textWidth, height() - 1);
    }
}

} // namespace glowdeck
