#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace glowdeck {

class TrackingSlider;

// What assistive technologies see of a TrackingSlider: its value in real units (not the integer
// grid underneath). A value they set counts as a change made by the user.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(TrackingSlider* slider);

    // Makes queryAccessibleInterface() hand out this interface for every TrackingSlider.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TrackingSlider* slider() const;
};

} // namespace glowdeck
