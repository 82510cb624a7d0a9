#include "LightPicker.h"

#include "ControlStyle.h"
#include "Icons.h"
#include "MenuButtonAccessible.h"
#include "MenuText.h"
#include "PanelStyle.h"
#include "model/Lights.h"

#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <vector>

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
    menu_.setStyle(ControlStyle::shared());
    menu_.setToolTipsVisible(true);
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
    menu_.popup(mapToGlobal(QPoint(0, height() + menuGap)));
    const QString current = QString::fromStdString(ip_);
    for (QAction* entry : menu_.actions())
        if (entry->data().toString() == current) {
            menu_.setActiveAction(entry); // scrolls it into view
            break;
        }
}

void LightPicker::populate() {
    menu_.clear();
    menu_.setPlacement({}); // measured at its own size
    menu_.ensurePolished(); // names are measured in the menu's own font
    const QFontMetrics metrics = menu_.fontMetrics();
    const QIcon check = Icons::icon("checkmark", PanelStyle::primary(palette()), 16);
    struct Entry {
        QAction* action;
        QString name;
        int width;
    };
    std::vector<Entry> entries;
    entries.reserve(lights_.bulbs().size());
    int widest = 0;
    for (const auto& bulb : lights_.bulbs()) {
        const std::string ip = bulb.ip;
        const QString name = QString::fromStdString(bulb.name);
        const QString text = MenuText::escape(name);
        QAction* action = menu_.addAction(text);
        action->setData(QString::fromStdString(ip));
        action->setCheckable(true);
        action->setChecked(ip == ip_);
        if (ip == ip_)
            action->setIcon(check);
        connect(action, &QAction::triggered, this, [this, ip] { lights_.setSelected(ip); });
        // Measured as the menu measures it.
        const int width =
            metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
        entries.push_back({action, name, width});
        widest = std::max(widest, width);
    }

    // The menu puts the same margins and icon column around every name: the names get what
    // they leave of its width. (The menu keeps the measurements for its opening.)
    const QSize natural = menu_.sizeHint();
    const QRect placement =
        natural.height() > maxMenuHeight ? boundedPlacement(natural.height()) : QRect();
    const int room =
        (placement.isEmpty() ? maxMenuWidth : placement.width()) - (natural.width() - widest);
    for (const auto& entry : entries)
        if (entry.width > room) {
            entry.action->setText(
                MenuText::escape(metrics.elidedText(entry.name, Qt::ElideRight, room)));
            entry.action->setToolTip(entry.name);
        }
    menu_.setPlacement(placement);
}

QRect LightPicker::boundedPlacement(int height) const {
    const QRect screen = this->screen()->availableGeometry();
    const QRect span = contentSpan();
    const int width = std::min(span.width(), screen.width());
    const int x = std::clamp(span.left(), screen.left(), screen.right() + 1 - width);
    const int below = mapToGlobal(QPoint(0, this->height() + menuGap)).y();
    const int aboveEnd = mapToGlobal(QPoint(0, -menuGap)).y();
    const int roomBelow = screen.bottom() + 1 - below;
    const int roomAbove = aboveEnd - screen.top();
    height = std::min(height, maxMenuHeight);
    if (height <= roomBelow || roomBelow >= roomAbove)
        return {x, below, width, std::max(1, std::min(height, roomBelow))};
    height = std::min(height, roomAbove);
    return {x, aboveEnd - height, width, height};
}

QRect LightPicker::contentSpan() const {
    for (const QWidget* widget = parentWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        const QWidget* viewport = widget->parentWidget();
        const auto* area = viewport != nullptr
                               ? qobject_cast<const QScrollArea*>(viewport->parentWidget())
                               : nullptr;
        if (area != nullptr && area->widget() == widget) {
            const QMargins margins = widget->layout() != nullptr
                                         ? widget->layout()->contentsMargins()
                                         : widget->contentsMargins();
            const QRect inner = widget->rect().marginsRemoved(margins);
            return {widget->mapToGlobal(inner.topLeft()), inner.size()};
        }
    }
    const QWidget* top = window();
    return {top->mapToGlobal(QPoint(0, 0)), top->size()};
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
    // Laid out left to right, then mirrored where the language reads right to left.
    const auto visual = [this](const QRect& box) {
        return QStyle::visualRect(layoutDirection(), rect(), box);
    };
    painter.drawText(visual(QRect(0, 0, room, height())), Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.setFont(Icons::font(chevronSize + 2));
    painter.drawText(visual(QRect(textWidth + gap, 0, chevronSize + 2, height())), Qt::AlignCenter,
                     Icons::glyph("chevron.down"));
    if (hasFocus()) {
        painter.setPen(QPen(PanelStyle::accent(palette()), 1));
        const QRect line = visual(QRect(0, height() - 1, textWidth, 1));
        painter.drawLine(line.left(), line.top(), line.right(), line.top());
    }
}

} // namespace glowdeck
