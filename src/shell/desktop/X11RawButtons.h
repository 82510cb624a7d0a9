#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <functional>

namespace glowdeck {

// Reports every press and release of a pointer button on the X server, wherever the pointer
// is, without taking the pointer from anyone: XInput 2 raw button events, selected on the root
// window, reach every client that asks for them, whoever holds a grab, and cost the other
// programs nothing. They carry the button, not the place. Under XWayland they report only what
// happens over X windows. Where the program talks to no X server, or the server has no
// XInput 2.2, nothing is reported and watching() is false.
//
// `onButton` runs while Qt reads the event from the server: it may ask the server for more
// (where the pointer is), but should leave hiding windows to the event loop.
class X11RawButtons : public QAbstractNativeEventFilter {
public:
    // X's button numbers: 1 left, 2 middle, 3 right, 4 to 7 the wheel.
    using Handler = std::function<void(int button, bool pressed)>;

    explicit X11RawButtons(Handler onButton);
    ~X11RawButtons() override;
    X11RawButtons(const X11RawButtons&) = delete;
    X11RawButtons& operator=(const X11RawButtons&) = delete;

    bool watching() const { return watching_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool select(bool on);

    Handler onButton_;
    std::uint8_t opcode_ = 0;
    bool watching_ = false;
};

} // namespace glowdeck
