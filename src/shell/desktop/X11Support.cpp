#include "X11Support.h"

#include "shell/desktop/DevicePixels.h"
#include "shell/desktop/Xcb.h"

#include <QWindow>

#include <algorithm>
#include <vector>

namespace glowdeck {

using xcb::atom;
using xcb::connection;
using xcb::Reply;
using xcb::root;

bool X11Support::available() {
    return connection() != nullptr;
}

void X11Support::skipTaskbarAndPager(QWindow* window) {
    xcb_connection_t* c = connection();
    if (c == nullptr || window == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t wanted[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(c, "_NET_WM_STATE_SKIP_PAGER")};
    std::vector<xcb_atom_t> atoms;
    const Reply<xcb_get_property_reply_t> current(xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr));
    if (current && current->format == 32 && current->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(current.get()));
        atoms.assign(values, values + xcb_get_property_value_length(current.get()) / 4);
    }
    for (xcb_atom_t add : wanted) {
        if (add != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), add) == atoms.end()) {
            atoms.push_back(add);
        }
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size()), atoms.data());
    xcb_flush(c);
}

std::optional<QRect> X11Support::rootGeometry(QWindow* window) {
    xcb_connection_t* c = connection();
    if (c == nullptr || window == nullptr) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto translateCookie = xcb_translate_coordinates(c, id, root(c), 0, 0);
    const auto geometryCookie = xcb_get_geometry(c, id);
    const Reply<xcb_translate_coordinates_reply_t> position(
        xcb_translate_coordinates_reply(c, translateCookie, nullptr));
    const Reply<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(c, geometryCookie, nullptr));
    if (!position || !position->same_screen || !size) {
        return std::nullopt;
    }
    return DevicePixels::toLogical(
        QRect(position->dst_x, position->dst_y, size->width, size->height));
}

void X11Support::activate(QWindow* window) {
    xcb_connection_t* c = connection();
    if (c == nullptr || window == nullptr) {
        return;
    }
    constexpr uint32_t fromPager = 2;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atom(c, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = fromPager;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, root(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

void X11Support::moveResize(QWindow* window, const QRect& logicalFrame) {
    xcb_connection_t* c = connection();
    if (c == nullptr || window == nullptr) {
        return;
    }
    // The gravity, which of x, y, width and height are given, and who asks.
    constexpr uint32_t allGiven = 0xf << 8;
    constexpr uint32_t fromPager = 2 << 12;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atom(c, "_NET_MOVERESIZE_WINDOW");
    message.data.data32[0] = XCB_GRAVITY_NORTH_WEST | allGiven | fromPager;
    const QRect frame = DevicePixels::toDevice(logicalFrame);
    message.data.data32[1] = static_cast<uint32_t>(frame.x());
    message.data.data32[2] = static_cast<uint32_t>(frame.y());
    message.data.data32[3] = static_cast<uint32_t>(frame.width());
    message.data.data32[4] = static_cast<uint32_t>(frame.height());
    xcb_send_event(c, 0, root(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

} // namespace glowdeck
