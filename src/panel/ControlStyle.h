#pragma once

#include <QProxyStyle>

namespace glowdeck {

// The application style, except where the panel's controls behave as desktop users expect: a
// left click on a slider's track jumps the knob there and starts dragging it, and a menu too
// tall for the screen stays one column and scrolls, instead of spreading into as many columns
// as its entries need. A menu whose height is bounded scrolls within that height: Qt would
// otherwise stretch a scrolling menu towards the screen's edges as it scrolls.
class ControlStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ControlStyle(QObject* parent = nullptr);

    // One instance for the whole application, owned by it (styles are not owned by the widgets
    // that use them).
    static ControlStyle* shared();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace glowdeck
