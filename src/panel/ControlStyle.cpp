#include "ControlStyle.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace glowdeck {

ControlStyle::ControlStyle(QObject* parent) : QProxyStyle() {
    setParent(parent);
}

ControlStyle* ControlStyle::shared() {
    static QPointer<ControlStyle> style;
    if (style.isNull())
        style = new ControlStyle(QCoreApplication::instance());
    return style;
}

int ControlStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    switch (hint) {
    case QStyle::SH_Slider_AbsoluteSetButtons:
        return Qt::LeftButton;
    case QStyle::SH_Slider_PageSetButtons:
        return Qt::NoButton;
    case QStyle::SH_Menu_Scrollable:
        return 1;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

int ControlStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    // Qt stretches a scrolling menu shorter than its screen, less this frame at both ends, until
    // it is that tall. For a menu of bounded height the frame is put where the bound already is.
    if (metric == PM_MenuDesktopFrameWidth && qobject_cast<const QMenu*>(widget) != nullptr &&
        widget->maximumHeight() < QWIDGETSIZE_MAX && widget->screen() != nullptr) {
        const int spare = widget->screen()->geometry().height() - widget->maximumHeight();
        return std::max(base, spare / 2 + 1);
    }
    return base;
}

} // namespace glowdeck
