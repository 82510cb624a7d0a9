#include "X11RawButtons.h"

#include "shell/desktop/Xcb.h"

#include <QCoreApplication>

#include <xcb/xinput.h>

#include <utility>

namespace glowdeck {

namespace {

// A selection for one device: XInput's mask header and one word of mask after it.
struct RawButtonMask {
    xcb_input_event_mask_t header;
    uint32_t mask;
};

} // namespace

X11RawButtons::X11RawButtons(Handler onButton) : onButton_(std::move(onButton)) {
    xcb_connection_t* c = xcb::connection();
    if (c == nullptr) {
        return;
    }
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_input_id);
    if (extension == nullptr || extension->present == 0) {
        return;
    }
    // Since 2.1 raw events reach every client that selected them on the root window, grab or
    // no grab. Qt announces 2.2 or later on this connection itself; asking again for 2.2 is
    // what the protocol allows a second library in the same client to do.
    const xcb::Reply<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(c, xcb_input_xi_query_version(c, 2, 2), nullptr));
    if (!version || version->major_version != 2 || version->minor_version < 1) {
        return;
    }
    opcode_ = extension->major_opcode;
    QCoreApplication::instance()->installNativeEventFilter(this);
    watching_ = select(true);
    if (!watching_) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

X11RawButtons::~X11RawButtons() {
    if (watching_) {
        select(false);
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool X11RawButtons::select(bool on) {
    xcb_connection_t* c = xcb::connection();
    if (c == nullptr) {
        return false;
    }
    // The master pointers only: each physical press comes once, from whichever device made it
    // (XTEST's included). Qt's own selection on the root window is for all devices and stays.
    RawButtonMask selection{};
    selection.header.deviceid = XCB_INPUT_DEVICE_ALL_MASTER;
    selection.header.mask_len = 1;
    selection.mask =
        on ? XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE
           : 0;
    const xcb::Reply<xcb_generic_error_t> error(xcb_request_check(
        c, xcb_input_xi_select_events_checked(c, xcb::root(c), 1, &selection.header)));
    return !error;
}

bool X11RawButtons::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || message == nullptr) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC) {
        return false;
    }
    const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
    if (generic->extension != opcode_ || (generic->event_type != XCB_INPUT_RAW_BUTTON_PRESS &&
                                          generic->event_type != XCB_INPUT_RAW_BUTTON_RELEASE)) {
        return false;
    }
    const auto* raw = static_cast<const xcb_input_raw_button_press_event_t*>(message);
    if (onButton_) {
        onButton_(static_cast<int>(raw->detail), raw->event_type == XCB_INPUT_RAW_BUTTON_PRESS);
    }
    // Qt selected none of these and has nothing to do with them.
    return true;
}

} // namespace glowdeck
