#pragma once

#include <QSlider>

#include <optional>

namespace glowdeck {

// A horizontal slider over a range of real numbers that knows when the user holds it with the
// mouse. The position is kept on a fine integer grid underneath; the real value set last (by the
// model or by the user) is kept exactly.
//
// A click on the track jumps to that spot and starts a drag there.
class TrackingSlider : public QSlider {
    Q_OBJECT
public:
    TrackingSlider(double minimum, double maximum, QWidget* parent = nullptr);

    double minimumReal() const { return minimum_; }
    double maximumReal() const { return maximum_; }

    // The current value, within the range.
    double realValue() const { return value_; }

    // Moves the slider to `v` (clamped to the range; a value that is not a number is ignored).
    // This is the model's way in: it never emits realValueChanged or editingChanged, and it
    // applies even while the mouse holds the slider (callers that care check trackingMouse()).
    void setRealValue(double v);

    // A change made outside the model (by an assistive technology, say) to exactly `v`, clamped
    // to the range: emits realValueChanged like any change by the user. A value that is not a
    // number is ignored.
    void setUserValue(double v);

    // Between a left-button press on the slider and its release.
    bool trackingMouse() const { return trackingMouse_; }

    // Integer positions per unit of the real range.
    double scale() const { return scale_; }

    // The real value of an integer position, and the nearest position of a real value.
    double toReal(int position) const;
    int toPosition(double real) const;

    // The arrow-key step in real units: a power of ten, about a tenth of the range.
    double realSingleStep() const;

Q_SIGNALS:
    // true when a mouse press begins, false when it ends; exactly once each per press.
    void editingChanged(bool editing);

    // Every change of value not made through setRealValue: a drag, a click, the keyboard, the
    // wheel or an assistive technology.
    void realValueChanged(double value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void positionChanged(int position);
    void endTracking();

    double minimum_;
    double maximum_;
    double scale_;
    double value_;
    bool trackingMouse_ = false;
    bool applyingModel_ = false;
    std::optional<double> exactUserValue_;
};

} // namespace glowdeck
