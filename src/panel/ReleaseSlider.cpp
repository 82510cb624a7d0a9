#include "ReleaseSlider.h"

#include "TrackingSlider.h"

#include <QHBoxLayout>
#include <QPointer>

namespace glowdeck {

ReleaseSlider::ReleaseSlider(double minimum, double maximum, const QString& label, QWidget* parent)
    : QWidget(parent), slider_(new TrackingSlider(minimum, maximum, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(slider_);
    setFocusProxy(slider_);
    slider_->setAccessibleName(label);

    connect(slider_, &TrackingSlider::realValueChanged, this, &ReleaseSlider::userChanged);
    connect(slider_, &TrackingSlider::editingChanged, this, &ReleaseSlider::editingChanged);
}

ReleaseSlider::~ReleaseSlider() {
    // Tearing down the widgets hides the slider, which ends an edit in progress; that must not
    // reach a ReleaseSlider that is already half destroyed.
    slider_->disconnect(this);
}

double ReleaseSlider::value() const {
    return slider_->realValue();
}

void ReleaseSlider::setValue(double value) {
    if (slider_->editing())
        return;
    slider_->setRealValue(value);
}

void ReleaseSlider::userChanged(double value) {
    // A receiver may delete this slider in response; stop quietly if it does.
    const QPointer<ReleaseSlider> self(this);
    Q_EMIT valueEdited(value);
    if (!self.isNull() && !slider_->editing())
        Q_EMIT editingChanged(false);
}

} // namespace glowdeck
