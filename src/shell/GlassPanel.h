#pragma once

#include <QWidget>

#include <functional>

namespace glowdeck {

class GlassSurface;

// The floating panel window: frameless, translucent, above other windows, without a taskbar
// entry, able to take the keyboard focus. Every hiding of a visible panel goes through
// orderOut(), which runs onHide afterwards; Escape does the same.
class GlassPanel : public QWidget {
public:
    // Run after a visible panel has been hidden by orderOut() or cancelOperation().
    std::function<void()> onHide;

    explicit GlassPanel(QWidget* parent = nullptr);

    // Takes ownership of the surface and makes it fill the window.
    void setSurface(GlassSurface* surface);
    GlassSurface* surface() const { return surface_; }

    // Shows the panel in front and gives it the keyboard focus.
    void makeKeyAndOrderFront();
    // Hides the panel; runs onHide if it was visible.
    void orderOut();
    // What Escape does: the same as orderOut().
    void cancelOperation() { orderOut(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    GlassSurface* surface_ = nullptr;
};

} // namespace glowdeck
