#pragma once

#include <QColor>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QColorDialog;

namespace glowdeck {

// The bridge to the colour picker: one non-modal colour dialog whose continuous stream of colour
// changes is passed on once it has been still for debounceMs.
class ColorPanelController : public QObject {
    Q_OBJECT
public:
    explicit ColorPanelController(QObject* parent = nullptr);
    ~ColorPanelController() override;

    // Opens the picker on `color` and sends later settled colours to `onChange` (replacing the
    // previous callback). Showing the colour is not itself a change. A delivery already pending
    // still goes to the callback it was scheduled with.
    void show(const QColor& color, std::function<void(const QColor&)> onChange);

    // Drops the pending delivery and the callback, and hides the picker.
    void dismiss();

    // Hides the picker as closing it by hand does: the callback and a pending delivery stay.
    void hide();

    // The one dialog, created by the first show(); null before that.
    QColorDialog* dialog() const { return dialog_.get(); }

    // A delivery is scheduled and has not run yet.
    bool hasPendingDelivery() const { return pending_.isActive(); }

    static constexpr int debounceMs = 100;

private:
    void colorChanged(const QColor& color);
    void deliver();

    std::unique_ptr<QColorDialog> dialog_;
    std::function<void(const QColor&)> onChange_;
    QTimer pending_;
    QColor pendingColor_;
    std::function<void(const QColor&)> pendingCallback_;
    bool settingColor_ = false;
};

} // namespace glowdeck
