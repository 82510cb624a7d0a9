#include "SliderAccessible.h"

#include "TrackingSlider.h"

#include <QLocale>

namespace glowdeck {

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className != QLatin1String(TrackingSlider::staticMetaObject.className()))
        return nullptr;
    auto* slider = qobject_cast<TrackingSlider*>(object);
    return slider == nullptr ? nullptr : new SliderAccessible(slider);
}

} // namespace

SliderAccessible::SliderAccessible(TrackingSlider* slider)
    : QAccessibleWidget(slider, QAccessible::Slider) {}

void SliderAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

TrackingSlider* SliderAccessible::slider() const {
    return static_cast<TrackingSlider*>(widget());
}

void* SliderAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString SliderAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return QLocale().toString(slider()->realValue(), 'g', 10);
    return QAccessibleWidget::text(t);
}

QVariant SliderAccessible::currentValue() const {
    return slider()->realValue();
}

void SliderAccessible::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const double real = value.toDouble(&ok);
    if (ok)
        slider()->setUserValue(real);
}

QVariant SliderAccessible::maximumValue() const {
    return slider()->maximumReal();
}
QVariant SliderAccessible::minimumValue() const {
    return slider()->minimumReal();
}
QVariant SliderAccessible::minimumStepSize() const {
    return slider()->realSingleStep();
}

} // namespace glowdeck
