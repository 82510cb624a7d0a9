#pragma once

#include <QProxyStyle>

namespace glowdeck {

// The application style, except that a menu too tall for the screen stays one column and
// scrolls, instead of spreading into as many columns as its entries need.
class ScrollingMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ScrollingMenuStyle(QObject* parent = nullptr);

    // One instance for the whole application, owned by it (styles are not owned by the widgets
    // that use them).
    static ScrollingMenuStyle* shared();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace glowdeck
