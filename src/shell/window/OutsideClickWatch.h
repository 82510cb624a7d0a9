#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class QWindow;

namespace glowdeck {

class X11RawButtons;

// Notices the user turning to another application while the panel is shown, without taking
// the pointer or the keyboard from anyone. Two signs count:
// - a click outside this application's windows: a button pressed (left, middle or right) where
//   no window of this application lies, reported when it comes up. On X11 every press reaches
//   the watch through XInput's raw events (see X11RawButtons); under XWayland only those over
//   X windows do. A press while one of this application's menus is open, or while it holds the
//   pointer itself (the colour dialog picking a colour from the screen), belongs to that and
//   does not count;
// - the keyboard focus leaving every window of this application, as a click into another
//   application does under a window manager, and as a screen locker's keyboard grab does.
//   Focus moving to one of this application's own windows (a menu, a dialog, the colour
//   picker) does not count, and neither does a focus change undone before control returns to
//   the event loop.
// onOutside runs from the event loop, at most once per sign. Watching stops when the object is
// destroyed.
class OutsideClickWatch : public QObject {
public:
    explicit OutsideClickWatch(std::function<void()> onOutside);
    ~OutsideClickWatch() override;
    OutsideClickWatch(const OutsideClickWatch&) = delete;
    OutsideClickWatch& operator=(const OutsideClickWatch&) = delete;

    // The focus has moved to `window` (null: to no window of this application).
    void focusChanged(QWindow* window);
    // Checks, once the focus has settled, whether the application still has none.
    void settle();

    // A pointer button (X's numbering: 1 left, 2 middle, 3 right, 4 to 7 the wheel) went down
    // with the pointer at `at` (screen coordinates), or came up.
    void buttonPressed(int button, QPoint at);
    void buttonReleased(int button);

    // Whether presses anywhere on the screen reach the watch (on X11 with XInput 2.2).
    bool watchingPresses() const;

private:
    void tellOutside();

    std::function<void()> onOutside_;
    std::unique_ptr<X11RawButtons> rawButtons_;
    bool pressedOutside_ = false;
    bool pending_ = false;
};

} // namespace glowdeck
