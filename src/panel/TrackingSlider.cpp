#include "TrackingSlider.h"

#include "ControlStyle.h"
#include "SliderAccessible.h"

#include <QEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace glowdeck {

namespace {

// The finest grid that keeps every position of the range well inside int: a power of ten, so that
// values with up to three decimals land exactly on a position.
double positionsPerUnit(double minimum, double maximum) {
    const double largest = std::max(std::fabs(minimum), std::fabs(maximum));
    double scale = 1000.0;
    while (largest * scale > 1e9 && scale > 1e-9)
        scale /= 10.0;
    return scale;
}

} // namespace

TrackingSlider::TrackingSlider(double minimum, double maximum, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), minimum_(std::min(minimum, maximum)),
      maximum_(std::max(minimum, maximum)), scale_(positionsPerUnit(minimum_, maximum_)),
      value_(minimum_) {
    SliderAccessible::install();
    setStyle(ControlStyle::shared());
    setTickPosition(QSlider::NoTicks);
    setTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    applyPositions();

    connect(this, &QAbstractSlider::valueChanged, this, &TrackingSlider::positionChanged);
    wheelQuiet_.setSingleShot(true);
    wheelQuiet_.setInterval(wheelGestureEnd);
    connect(&wheelQuiet_, &QTimer::timeout, this, [this] { setEditing(trackingMouse_, false); });
}

void TrackingSlider::setRealRange(double minimum, double maximum) {
    if (!(minimum < maximum) || (minimum == minimum_ && maximum == maximum_))
        return;
    minimum_ = minimum;
    maximum_ = maximum;
    scale_ = positionsPerUnit(minimum_, maximum_);
    value_ = std::clamp(value_, minimum_, maximum_);
    applyPositions();
}

void TrackingSlider::applyPositions() {
    const bool wasApplying = std::exchange(applyingModel_, true);
    setRange(toPosition(minimum_), toPosition(maximum_));
    setValue(toPosition(value_));
    const int step = std::max(1, static_cast<int>(std::lround(realSingleStep() * scale_)));
    setSingleStep(step);
    setPageStep(step * 10);
    applyingModel_ = wasApplying;
}

double TrackingSlider::toReal(int position) const {
    return std::clamp(static_cast<double>(position) / scale_, minimum_, maximum_);
}

int TrackingSlider::toPosition(double real) const {
    return static_cast<int>(std::lround(std::clamp(real, minimum_, maximum_) * scale_));
}

double TrackingSlider::realSingleStep() const {
    const double tenth = (maximum_ - minimum_) / 10.0;
    if (!(tenth > 0.0))
        return 1.0;
    return std::pow(10.0, std::floor(std::log10(tenth)));
}

void TrackingSlider::setRealValue(double v) {
    if (std::isnan(v))
        return;
    value_ = std::clamp(v, minimum_, maximum_);
    const bool wasApplying = std::exchange(applyingModel_, true);
    setValue(toPosition(value_));
    applyingModel_ = wasApplying;
}

void TrackingSlider::setUserValue(double v) {
    if (std::isnan(v))
        return;
    const double real = std::clamp(v, minimum_, maximum_);
    const int position = toPosition(real);
    if (position == value()) {
        // Too small a change to move the knob, but a change all the same.
        if (real != value_) {
            value_ = real;
            Q_EMIT realValueChanged(value_);
        }
        return;
    }
    exactUserValue_ = real;
    setValue(position);
    exactUserValue_.reset();
}

void TrackingSlider::positionChanged(int position) {
    if (applyingModel_)
        return;
    if (inWheelEvent_ && !editing()) {
        setEditing(false, true);
        wheelQuiet_.start();
    }
    value_ = exactUserValue_.value_or(toReal(position));
    Q_EMIT realValueChanged(value_);
}

void TrackingSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || trackingMouse_) {
        QSlider::mousePressEvent(event);
        return;
    }
    wheelQuiet_.stop();
    setEditing(true, false);
    QSlider::mousePressEvent(event);
    // A press the slider turns down (an empty range, another button held) gets no release here.
    if (!event->isAccepted())
        endTracking();
}

void TrackingSlider::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        endTracking();
}

void TrackingSlider::wheelEvent(QWheelEvent* event) {
    const bool wasInWheelEvent = std::exchange(inWheelEvent_, true);
    QSlider::wheelEvent(event);
    inWheelEvent_ = wasInWheelEvent;
    if (wheeling_)
        wheelQuiet_.start(); // the gesture goes on while the wheel turns, at the ends too
}

void TrackingSlider::hideEvent(QHideEvent* event) {
    // A slider hidden under the user's hand never sees the release: end the edit here.
    interrupt();
    QSlider::hideEvent(event);
}

void TrackingSlider::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        interrupt();
    QSlider::changeEvent(event);
}

void TrackingSlider::endTracking() {
    wheelQuiet_.stop();
    setEditing(false, false);
}

void TrackingSlider::interrupt() {
    if (trackingMouse_)
        setSliderDown(false);
    endTracking();
}

void TrackingSlider::setEditing(bool mouse, bool wheel) {
    const bool was = editing();
    trackingMouse_ = mouse;
    wheeling_ = wheel;
    if (editing() != was)
        Q_EMIT editingChanged(editing());
}

} // namespace glowdeck
