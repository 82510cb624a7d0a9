#include "ControlStyle.h"

#include <QCoreApplication>
#include <QPointer>

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

} // namespace glowdeck
