// What another X client can do with the pointer and the keyboard while the program runs:
//
//   glowdeck_input_probe grab MS
//       grabs the pointer, then the keyboard, on the root window, as a screen locker does,
//       without mapping a window or taking the focus first; retries until both are held or MS
//       milliseconds have passed. Prints when each was taken, or why not; exits 0 when both
//       were taken in time. Lets go before it ends.
//   glowdeck_input_probe click X Y W H SECONDS
//       maps a window at X,Y of W x H that the window manager leaves alone (override-redirect,
//       so it takes no focus), prints "ready" once it is viewable, and waits at most SECONDS
//       for a button press in it: prints "pressed at X,Y" and exits 0, or exits 1.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

bool grabPointer(xcb_connection_t* c, xcb_window_t root, int& status) {
    const Reply<xcb_grab_pointer_reply_t> reply(
        xcb_grab_pointer_reply(
            c,
            xcb_grab_pointer(
                c, 0, root, XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE,
                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
            nullptr),
        &std::free);
    status = reply ? reply->status : -1;
    return status == XCB_GRAB_STATUS_SUCCESS;
}

bool grabKeyboard(xcb_connection_t* c, xcb_window_t root, int& status) {
    const Reply<xcb_grab_keyboard_reply_t> reply(
        xcb_grab_keyboard_reply(c,
                                xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                                                  XCB_GRAB_MODE_ASYNC),
                                nullptr),
        &std::free);
    status = reply ? reply->status : -1;
    return status == XCB_GRAB_STATUS_SUCCESS;
}

// The pointer first, alone: a keyboard grab takes the focus from the program, which may then
// let go of the pointer for that reason only.
int grab(xcb_connection_t* c, xcb_window_t root, int limitMs) {
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::milliseconds(limitMs);
    const struct {
        const char* name;
        bool (*take)(xcb_connection_t*, xcb_window_t, int&);
    } devices[] = {{"pointer", grabPointer}, {"keyboard", grabKeyboard}};
    bool all = true;
    for (const auto& device : devices) {
        int status = -1;
        bool held = device.take(c, root, status);
        while (!held && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            held = device.take(c, root, status);
        }
        // Status 1: another client holds it; 3: frozen by another client's grab.
        if (held)
            std::printf("%s grabbed after %.1f ms\n", device.name,
                        Ms(Clock::now() - start).count());
        else
            std::printf("%s grab refused within %d ms (status %d)\n", device.name, limitMs, status);
        all = all && held;
    }
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    xcb_flush(c);
    return all ? 0 : 1;
}

int click(xcb_connection_t* c, xcb_screen_t* screen, char** geometry, double seconds) {
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel, 1,
                               XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(
        c, XCB_COPY_FROM_PARENT, window, screen->root, static_cast<int16_t>(std::atoi(geometry[0])),
        static_cast<int16_t>(std::atoi(geometry[1])), static_cast<uint16_t>(std::atoi(geometry[2])),
        static_cast<uint16_t>(std::atoi(geometry[3])), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
        screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK,
        values);
    xcb_map_window(c, window);
    xcb_flush(c);
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(seconds));
    bool ready = false;
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const Reply<xcb_generic_event_t> owned(event, &std::free);
            const int type = event->response_type & 0x7f;
            if (type == XCB_EXPOSE && !ready) {
                ready = true;
                std::printf("ready\n");
                std::fflush(stdout);
            } else if (type == XCB_BUTTON_PRESS) {
                const auto* press = reinterpret_cast<const xcb_button_press_event_t*>(event);
                std::printf("pressed at %d,%d\n", press->root_x, press->root_y);
                return 0;
            }
        }
        if (xcb_connection_has_error(c))
            return 1;
        pollfd readable{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&readable, 1, 50);
    }
    std::printf("no press within %.1f s\n", seconds);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool grabbing = argc == 3 && std::strcmp(argv[1], "grab") == 0;
    const bool clicking = argc == 7 && std::strcmp(argv[1], "click") == 0;
    if (!grabbing && !clicking) {
        std::fprintf(stderr, "usage: glowdeck_input_probe grab MS | click X Y W H SECONDS\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "glowdeck_input_probe: cannot open the display\n");
        return 2;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const int status = grabbing ? grab(c, screens.data->root, std::atoi(argv[2]))
                                : click(c, screens.data, argv + 2, std::strtod(argv[6], nullptr));
    xcb_disconnect(c);
    return status;
}
