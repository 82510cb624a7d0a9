#pragma once

#include <QProxyStyle>

namespace glowdeck {

// The application style, except that a left click on a slider's track jumps the knob there and
// starts dragging it, as desktop sliders commonly do.
class SliderStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit SliderStyle(QObject* parent = nullptr);

    // One instance for the whole application, owned by it (styles are not owned by the widgets
    // that use them).
    static SliderStyle* shared();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace glowdeck
