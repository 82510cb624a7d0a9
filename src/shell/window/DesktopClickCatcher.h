#pragma once

#include "shell/desktop/DisplayPlatform.h"

#include <QWidget>

#include <functional>

namespace glowdeck {

// A transparent window over the whole desktop background, under every other window, that
// reports a click on it. GNOME Shell draws the background itself, with no window of its own: a
// click there moves no keyboard focus and reaches no application, so without this window the
// program would not learn that the user clicked away from the panel. (Clicks on the shell's top
// bar still reach no application; the bar lies above every window.)
class DesktopClickCatcher : public QWidget {
public:
    // `onClick` runs from the event loop after the click, so it may destroy the catcher.
    explicit DesktopClickCatcher(std::function<void()> onClick);

    // Whether clicks on this desktop's background go unseen without a catcher: on GNOME.
    static bool wanted(const DisplayPlatform::Lookup& environment);
    static bool wanted();

    // Covers every screen and shows the catcher, without taking the focus.
    void cover();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
};

} // namespace glowdeck
