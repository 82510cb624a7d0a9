#pragma once

#include <QSlider>
#include <QTimer>

#include <chrono>
#include <optional>

namespace glowdeck {

// A horizontal slider over a range of real numbers that knows when the user is in the middle of
// changing it: holding it with the mouse, or turning the wheel over it. The position is kept on a
// fine integer grid underneath; the real value set last (by the model or by the user) is kept
// exactly.
//
// A click on the track jumps to that spot and starts a drag there. A wheel gesture (notches or a
// touchpad swipe) starts with the first wheel event that moves the slider and ends when the wheel
// has been still for wheelGestureEnd; a press during a gesture carries it on to the release.
class TrackingSlider : public QSlider {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds wheelGestureEnd{300};

    TrackingSlider(double minimum, double maximum, QWidget* parent = nullptr);

    double minimumReal() const { return minimum_; }
    double maximumReal() const { return maximum_; }
    // Spans the slider over [minimum, maximum] (ignored unless minimum < maximum), the value
    // clamped into it; like setRealValue it never emits.
    void setRealRange(double minimum, double maximum);

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
    // During a press or a wheel gesture.
    bool editing() const { return trackingMouse_ || wheeling_; }

    // Integer positions per unit of the real range.
    double scale() const { return scale_; }

    // The real value of an integer position, and the nearest position of a real value.
    double toReal(int position) const;
    int toPosition(double real) const;

    // The arrow-key step in real units: a power of ten, about a tenth of the range.
    double realSingleStep() const;

Q_SIGNALS:
    // true when a press or a wheel gesture begins, false when it ends; exactly once each.
    void editingChanged(bool editing);

    // Every change of value not made through setRealValue: a drag, a click, the keyboard, the
    // wheel or an assistive technology.
    void realValueChanged(double value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Lays the integer grid over the real range and the value, with arrow and page steps to
    // match, emitting nothing.
    void applyPositions();
    void positionChanged(int position);
    // Ends a press or a wheel gesture.
    void endTracking();
    // Ends them from outside: the slider is hidden or disabled under the user's hand.
    void interrupt();
    // Records how the user is changing the slider, announcing the start and the end of editing.
    void setEditing(bool mouse, bool wheel);

    double minimum_;
    double maximum_;
    double scale_;
    double value_;
    bool trackingMouse_ = false;
    bool wheeling_ = false;
    bool inWheelEvent_ = false;
    QTimer wheelQuiet_;
    bool applyingModel_ = false;
    std::optional<double> exactUserValue_;
};

} // namespace glowdeck
