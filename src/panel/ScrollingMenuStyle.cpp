#include "ScrollingMenuStyle.h"

#include <QCoreApplication>
#include <QPointer>

namespace glowdeck {

ScrollingMenuStyle::ScrollingMenuStyle(QObject* parent) : QProxyStyle() {
    setParent(parent);
}

ScrollingMenuStyle* ScrollingMenuStyle::shared() {
    static QPointer<ScrollingMenuStyle> style;
    if (style.isNull())
        style = new ScrollingMenuStyle(QCoreApplication::instance());
    return style;
}

int ScrollingMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_Menu_Scrollable)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace glowdeck
