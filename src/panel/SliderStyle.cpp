#include "SliderStyle.h"

#include <QCoreApplication>
#include <QPointer>

namespace glowdeck {

SliderStyle::SliderStyle(QObject* parent) : QProxyStyle() {
    setParent(parent);
}

SliderStyle* SliderStyle::shared() {
    static QPointer<SliderStyle> style;
    if (style.isNull())
        style = new SliderStyle(QCoreApplication::instance());
    return style;
}

int SliderStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_Slider_AbsoluteSetButtons)
        return Qt::LeftButton;
    if (hint == QStyle::SH_Slider_PageSetButtons)
        return Qt::NoButton;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace glowdeck
