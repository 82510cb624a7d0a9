#pragma once

#include <QMetaObject>
#include <QObject>

#include <functional>

class QWindow;

namespace glowdeck {

// Notices the user turning to another application while the panel is shown. X11 offers no
// global mouse monitor, so this watches the application's keyboard focus instead: a click in
// another application takes the focus away from every window of this one. Focus moving to one
// of this application's own windows (a menu, a dialog, the colour picker) does not count, and
// neither does a focus change that is undone before control returns to the event loop.
// Watching stops when the object is destroyed.
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

private:
    std::function<void()> onOutside_;
    QMetaObject::Connection focus_;
    QMetaObject::Connection state_;
    bool pending_ = false;
};

} // namespace glowdeck
