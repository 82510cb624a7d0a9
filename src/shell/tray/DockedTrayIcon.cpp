#include "DockedTrayIcon.h"

#include "shell/desktop/DevicePixels.h"
#include "shell/desktop/Xcb.h"
#include "shell/window/PanelLog.h"

#include <QCoreApplication>
#include <QPainter>

#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace glowdeck {

namespace {

// The system tray protocol's dock request, and the XEmbed flag for a window that wants to be
// shown.
constexpr uint32_t dockRequest = 0;
constexpr uint32_t xembedMapped = 1;

using xcb::atom;
using xcb::connection;
using xcb::Reply;

// Adds `events` to those this program hears from `window`, keeping the ones it selected before
// (Qt's, on the root window).
void selectMore(xcb_connection_t* c, xcb_window_t window, uint32_t events) {
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    if (!attributes) {
        return;
    }
    const uint32_t mask = attributes->your_event_mask | events;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
}

// The depth of the screen's `visual`; 0 when the screen has no such visual.
uint8_t depthOf(const xcb_screen_t* screen, xcb_visualid_t visual) {
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == visual &&
                visuals.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR) {
                return depths.data->depth;
            }
        }
    }
    return 0;
}

void setText(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
             const QByteArray& text) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                        static_cast<uint32_t>(text.size()), text.constData());
}

} // namespace

DockedTrayIcon::DockedTrayIcon(std::function<QImage(int size)> render)
    : render_(std::move(render)) {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return;
    }
    root_ = xcb::root(c);
    selection_ = atom(c, "_NET_SYSTEM_TRAY_S0");
    managerAtom_ = atom(c, "MANAGER");
    // A tray that starts announces itself with a MANAGER message to the root window's
    // structure listeners.
    selectMore(c, root_, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    QCoreApplication::instance()->installNativeEventFilter(this);
    findTray();
}

DockedTrayIcon::~DockedTrayIcon() {
    if (xcb_connection_t* c = connection()) {
        if (window_ != 0) {
            xcb_destroy_window(c, window_);
            xcb_free_gc(c, gc_);
        }
        if (colormap_ != 0) {
            xcb_free_colormap(c, colormap_);
        }
        xcb_flush(c);
    }
}

void DockedTrayIcon::findTray() {
    xcb_connection_t* c = connection();
    tray_ = 0;
    visual_ = 0;
    const Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection_), nullptr));
    if (!owner || owner->owner == XCB_NONE) {
        return;
    }
    tray_ = owner->owner;
    // Its end comes as a DestroyNotify.
    selectMore(c, tray_, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    // The visual the tray wants icons in, else the screen's own. GNOME Shell 48 embeds a window
    // of another depth than the screen's only into a window that the server refuses, and then
    // ends on the error; it asks for the screen's visual.
    const Reply<xcb_get_property_reply_t> visual(xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, tray_, atom(c, "_NET_SYSTEM_TRAY_VISUAL"), XCB_ATOM_VISUALID, 0, 1),
        nullptr));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    visual_ = screen->root_visual;
    if (visual && visual->format == 32 && xcb_get_property_value_length(visual.get()) == 4) {
        visual_ = *static_cast<const xcb_visualid_t*>(xcb_get_property_value(visual.get()));
    }
    depth_ = depthOf(screen, visual_);
    // The icon's pixels go to the server as they lie in a QImage: 32 bits each, the least
    // significant byte first.
    if ((depth_ != 32 && depth_ != 24) ||
        xcb_get_setup(c)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        visual_ = 0;
    }
    qCDebug(panelLog) << "XEmbed tray" << Qt::hex << tray_ << "visual" << visual_ << Qt::dec
                      << "depth" << depth_;
}

void DockedTrayIcon::createWindow() {
    xcb_connection_t* c = connection();
    if (colormap_ != 0) {
        xcb_free_colormap(c, colormap_);
    }
    colormap_ = xcb_generate_id(c);
    xcb_create_colormap(c, XCB_COLORMAP_ALLOC_NONE, colormap_, root_, visual_);
    window_ = xcb_generate_id(c);
    mapped_ = false;
    width_ = side;
    height_ = side;
    // An ARGB window is transparent where the icon is; any other shows the tray's background
    // (that of the window the tray puts it in), over which the icon is drawn.
    const uint32_t values[] = {
        depth_ == 32 ? uint32_t{0} : uint32_t{XCB_BACK_PIXMAP_PARENT_RELATIVE},
        0, // border
        XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_BUTTON_PRESS |
            XCB_EVENT_MASK_BUTTON_RELEASE,
        colormap_,
    };
    xcb_create_window(c, depth_, window_, root_, 0, 0, side, side, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      visual_,
                      (depth_ == 32 ? XCB_CW_BACK_PIXEL : XCB_CW_BACK_PIXMAP) |
                          XCB_CW_BORDER_PIXEL | XCB_CW_EVENT_MASK | XCB_CW_COLORMAP,
                      values);
    gc_ = xcb_generate_id(c);
    xcb_create_gc(c, gc_, window_, 0, nullptr);

    // What the tray shows as the icon's name and owner, and the size it gives the icon.
    setText(c, window_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, "Glowdeck");
    setText(c, window_, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), "Glowdeck");
    setText(c, window_, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, QByteArray("glowdeck\0Glowdeck", 18));
    const auto pid = static_cast<uint32_t>(::getpid());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window_, atom(c, "_NET_WM_PID"),
                        XCB_ATOM_CARDINAL, 32, 1, &pid);
    const xcb_atom_t xembedInfo = atom(c, "_XEMBED_INFO");
    const uint32_t info[] = {0, xembedMapped};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window_, xembedInfo, xembedInfo, 32, 2, info);
    // WM_SIZE_HINTS: flags, four obsolete fields, then the minimum size; base size at 15, 16.
    constexpr uint32_t minSize = 1u << 4;
    constexpr uint32_t baseSize = 1u << 8;
    uint32_t hints[18] = {};
    hints[0] = minSize | baseSize;
    hints[5] = hints[15] = side;
    hints[6] = hints[16] = side;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window_, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
}

void DockedTrayIcon::requestDock() {
    xcb_connection_t* c = connection();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = tray_;
    message.type = atom(c, "_NET_SYSTEM_TRAY_OPCODE");
    message.data.data32[0] = XCB_CURRENT_TIME;
    message.data.data32[1] = dockRequest;
    message.data.data32[2] = window_;
    xcb_send_event(c, 0, tray_, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

void DockedTrayIcon::setDocked(bool docked) {
    xcb_connection_t* c = connection();
    if (c == nullptr || docked == docked_ || (docked && !trayRunning())) {
        return;
    }
    if (window_ != 0) {
        // Out of the tray: a tray forgets an icon whose window is destroyed.
        xcb_destroy_window(c, window_);
        xcb_free_gc(c, gc_);
        window_ = 0;
    }
    docked_ = docked;
    if (docked) {
        createWindow();
        requestDock();
        qCDebug(panelLog) << "icon window" << Qt::hex << window_ << "docked in" << tray_;
    }
    xcb_flush(c);
}

QRect DockedTrayIcon::geometry() const {
    xcb_connection_t* c = connection();
    if (c == nullptr || !docked_ || window_ == 0) {
        return QRect();
    }
    const auto translateCookie = xcb_translate_coordinates(c, window_, root_, 0, 0);
    const auto geometryCookie = xcb_get_geometry(c, window_);
    const Reply<xcb_translate_coordinates_reply_t> position(
        xcb_translate_coordinates_reply(c, translateCookie, nullptr));
    const Reply<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(c, geometryCookie, nullptr));
    if (!position || !size) {
        return QRect();
    }
    return DevicePixels::toLogical(
        QRect(position->dst_x, position->dst_y, size->width, size->height));
}

void DockedTrayIcon::paint() {
    xcb_connection_t* c = connection();
    // Only a window on the screen has contents to read back.
    if (window_ == 0 || !mapped_ || width_ <= 0 || height_ <= 0) {
        return;
    }
    // Premultiplied ARGB, the pixel layout of a 32-bit visual; for another, the tray's
    // background as the window shows it, under the icon.
    QImage canvas(width_, height_, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    if (depth_ != 32) {
        xcb_clear_area(c, 0, window_, 0, 0, 0, 0);
        const Reply<xcb_get_image_reply_t> shown(
            xcb_get_image_reply(c,
                                xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, 0, 0,
                                              static_cast<uint16_t>(width_),
                                              static_cast<uint16_t>(height_), ~uint32_t{0}),
                                nullptr));
        if (shown && xcb_get_image_data_length(shown.get()) == canvas.sizeInBytes()) {
            std::memcpy(canvas.bits(), xcb_get_image_data(shown.get()),
                        static_cast<size_t>(canvas.sizeInBytes()));
            auto* pixels = reinterpret_cast<uint32_t*>(canvas.bits());
            std::transform(pixels, pixels + qsizetype(width_) * height_, pixels,
                           [](uint32_t pixel) { return pixel | 0xff000000u; });
        }
    }
    const int size = std::min(width_, height_);
    {
        QPainter painter(&canvas);
        painter.drawImage(QPoint((width_ - size) / 2, (height_ - size) / 2), render_(size));
    }
    const auto bytes = static_cast<uint32_t>(canvas.sizeInBytes());
    // A request larger than the server takes would end the connection.
    if (bytes + 64 > xcb_get_maximum_request_length(c) * 4) {
        return;
    }
    xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, static_cast<uint16_t>(width_),
                  static_cast<uint16_t>(height_), 0, 0, 0, depth_, bytes, canvas.constBits());
    xcb_flush(c);
}

bool DockedTrayIcon::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t" || root_ == 0) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_CLIENT_MESSAGE: {
        const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (m->window == root_ && m->type == managerAtom_ && m->data.data32[1] == selection_) {
            const uint32_t before = tray_;
            docked_ = false;
            findTray();
            qCDebug(panelLog) << "an XEmbed tray started; the one before:" << Qt::hex << before;
            if (onTrayChanged) {
                onTrayChanged();
            }
        }
        return false;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto* gone = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
        if (gone->window == tray_ && tray_ != 0) {
            qCDebug(panelLog) << "the XEmbed tray went away";
            tray_ = 0;
            visual_ = 0;
            setDocked(false);
            if (onTrayChanged) {
                onTrayChanged();
            }
            return false;
        }
        if (gone->window == window_ && window_ != 0) {
            // Gone with the tray that held it.
            window_ = 0;
            docked_ = false;
            return true;
        }
        return false;
    }
    case XCB_BUTTON_PRESS: {
        const auto* b = reinterpret_cast<const xcb_button_press_event_t*>(event);
        if (b->event != window_ || window_ == 0) {
            return false;
        }
        qCDebug(panelLog) << "docked icon pressed, button" << b->detail;
        if (b->detail >= 1 && b->detail <= 3 && onClick) {
            onClick();
        }
        return true;
    }
    case XCB_BUTTON_RELEASE:
        return window_ != 0 &&
               reinterpret_cast<const xcb_button_release_event_t*>(event)->event == window_;
    case XCB_EXPOSE:
        if (window_ != 0 && reinterpret_cast<const xcb_expose_event_t*>(event)->window == window_) {
            paint();
            return true;
        }
        return false;
    case XCB_MAP_NOTIFY:
    case XCB_UNMAP_NOTIFY: {
        // Both events carry the window at the same place.
        const auto* m = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (window_ == 0 || m->window != window_) {
            return false;
        }
        mapped_ = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        return true;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* n = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (window_ == 0 || n->window != window_) {
            return false;
        }
        if (n->width != width_ || n->height != height_) {
            width_ = n->width;
            height_ = n->height;
            paint();
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace glowdeck
