#include "SegmentedControl.h"

#include "PanelStyle.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

namespace glowdeck {

SegmentedControl::SegmentedControl(const QStringList& segments, const QString& label,
                                   QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    setAccessibleName(label);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    int id = 0;
    for (const QString& text : segments) {
        auto* button = new QPushButton(text, this);
        button->setCheckable(true);
        button->setFont(PanelStyle::font(12, QFont::Medium));
        button->setFocusPolicy(Qt::TabFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setFixedHeight(22);
        group_->addButton(button, id++);
        row->addWidget(button);
    }
    group_->setExclusive(true);
    if (auto* first = group_->button(0))
        first->setChecked(true);
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        update();
        if (checked && signalsEnabled_)
            Q_EMIT chosen(index);
    });
    restyle();
}

void SegmentedControl::setCurrent(int index) {
    QAbstractButton* button = group_->button(index);
    if (button == nullptr || button->isChecked())
        return;
    signalsEnabled_ = false;
    button->setChecked(true);
    signalsEnabled_ = true;
}

int SegmentedControl::current() const {
    return group_->checkedId();
}

QPushButton* SegmentedControl::segment(int index) const {
    return qobject_cast<QPushButton*>(group_->button(index));
}

void SegmentedControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        restyle();
}

void SegmentedControl::restyle() {
    const QPalette pal = palette();
    const bool dark = PanelStyle::isDark(pal);
    const QColor selected = dark ? QColor(255, 255, 255, 56) : QColor(255, 255, 255);
    const QColor text = PanelStyle::primary(pal);
    const QColor quiet = PanelStyle::secondary(pal);
    const QString sheet =
        QStringLiteral("QPushButton { border: none; border-radius: 6px; background: transparent;"
                       " color: %1; padding: 0 8px; }"
                       "QPushButton:hover:!checked { background: %4; }"
                       "QPushButton:checked { background: %2; color: %3; }"
                       "QPushButton:focus { outline: none; }")
            .arg(quiet.name(QColor::HexArgb), selected.name(QColor::HexArgb),
                 text.name(QColor::HexArgb), PanelStyle::faint(pal, 0.06).name(QColor::HexArgb));
    for (QAbstractButton* button : group_->buttons())
        button->setStyleSheet(sheet);
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelStyle::faint(palette(), 0.08));
    painter.drawRoundedRect(QRectF(rect()), 8, 8);
    for (QAbstractButton* button : group_->buttons()) {
        if (button->isChecked()) {
            painter.setBrush(QColor(0, 0, 0, PanelStyle::isDark(palette()) ? 60 : 22));
            painter.drawRoundedRect(QRectF(button->geometry()).translated(0, 0.75), 6, 6);
        }
        if (button->hasFocus()) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(PanelStyle::accent(palette()), 1.5));
            painter.drawRoundedRect(QRectF(button->geometry()).adjusted(-1, -1, 1, 1), 7, 7);
            painter.setPen(Qt::NoPen);
        }
    }
}

} // namespace glowdeck
