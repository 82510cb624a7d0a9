// How long a program's user-interface thread leaves the user waiting: pings one of its X11
// windows with _NET_WM_PING, which Qt answers from its main thread, one ping after another for
// a while, and prints how long the slowest answer took.
//
//   glowdeck_stall_probe WINDOW SECONDS
//
// Prints one line: "worst stall W ms, N pings, K over 16 ms, L unanswered", and on standard
// error one line for each ping over 16 ms: when it was sent (ms since the start) and how long
// its answer took. A ping that gets no answer within five seconds counts as unanswered and as a
// five-second stall. Exits 1 when it cannot talk to the X server.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr auto patience = std::chrono::seconds(5);
constexpr auto gap = std::chrono::milliseconds(1);
constexpr double slow = 16.0;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

struct Probe {
    xcb_connection_t* connection;
    xcb_window_t window;
    xcb_atom_t protocols;
    xcb_atom_t ping;

    void send(std::uint32_t serial) const {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = protocols;
        event.data.data32[0] = ping;
        event.data.data32[1] = serial; // the timestamp field: only this probe reads it back
        event.data.data32[2] = window;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(connection);
    }

    // Waits until `deadline` for the answer to ping `serial`.
    bool answered(std::uint32_t serial, Clock::time_point deadline) const {
        const int fd = xcb_get_file_descriptor(connection);
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
                std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
                if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
                    continue;
                const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
                if (message->type == protocols && message->data.data32[0] == ping &&
                    message->data.data32[1] == serial)
                    return true;
            }
            if (xcb_connection_has_error(connection))
                return false;
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd readable{fd, POLLIN, 0};
            ::poll(&readable, 1, static_cast<int>(std::max<long>(left.count(), 0)));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glowdeck_stall_probe WINDOW SECONDS\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const double seconds = std::strtod(argv[2], nullptr);
    if (window == 0 || !(seconds > 0 && seconds <= 600)) {
        std::fprintf(stderr, "glowdeck_stall_probe: need a window id and 0 < SECONDS <= 600\n");
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "glowdeck_stall_probe: cannot open the display\n");
        return 1;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    // The answers go to the root window, to clients that listen to its structure (Qt's choice)
    // or its substructure (as EWMH asks).
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    const Probe probe{connection, window, atom(connection, "WM_PROTOCOLS"),
                      atom(connection, "_NET_WM_PING")};

    double worst = 0;
    int pings = 0;
    int slowOnes = 0;
    int unanswered = 0;
    const auto start = Clock::now();
    const auto end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    for (std::uint32_t serial = 1; Clock::now() < end; ++serial) {
        const auto sent = Clock::now();
        probe.send(serial);
        ++pings;
        double waited = Ms(patience).count();
        if (probe.answered(serial, sent + patience))
            waited = Ms(Clock::now() - sent).count();
        else
            ++unanswered;
        if (xcb_connection_has_error(connection)) {
            std::fprintf(stderr, "glowdeck_stall_probe: lost the display\n");
            return 1;
        }
        worst = std::max(worst, waited);
        if (waited > slow) {
            ++slowOnes;
            std::fprintf(stderr, "at %.0f ms: %.1f ms\n", Ms(sent - start).count(), waited);
        }
        std::this_thread::sleep_until(sent + gap);
    }
    xcb_disconnect(connection);
    std::printf("worst stall %.1f ms, %d pings, %d over %.0f ms, %d unanswered\n", worst, pings,
                slowOnes, slow, unanswered);
    return 0;
}
