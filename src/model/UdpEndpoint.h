#pragma once

#include "EventLoop.h"
#include "SocketApi.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glowdeck {

// The controller's one IPv4 UDP socket: bound to an ephemeral port on all interfaces, allowed
// to broadcast, non-blocking, and watched for replies on the event loop.
class UdpEndpoint {
public:
    // Receives each datagram that came from the bulb port: its bytes and its sender's address.
    using Receiver = std::function<void(std::string_view bytes, const std::string& from)>;

    static constexpr std::size_t maxDatagram = 8192;
    // Datagrams handled per readiness event; the watch fires again for the rest, so a sender
    // that keeps the socket full cannot hold the loop.
    static constexpr int maxDatagramsPerPass = 64;
    // Receive buffer asked for: room for the replies of several hundred bulbs that all answer
    // one broadcast at once (a queued reply takes up about 800 bytes of it; the default of
    // 208 KiB holds about 250). The kernel caps the request at net.core.rmem_max, then doubles
    // it.
    static constexpr int receiveBuffer = 1 << 20;

    UdpEndpoint(EventLoop& loop, SocketApi& sockets);
    ~UdpEndpoint();
    UdpEndpoint(const UdpEndpoint&) = delete;
    UdpEndpoint& operator=(const UdpEndpoint&) = delete;

    // Opens the socket. Returns the text to show the user when that fails; the endpoint then
    // stays closed for good.
    std::optional<std::string> open(Receiver receiver);

    enum class Sent { Yes, Skipped, Failed };
    // Sends one datagram to port 38899 of `ip`. Skipped without a socket or when `ip` is not a
    // dotted-quad address; Failed when the system refused it.
    Sent send(const std::string& ip, std::string_view bytes);

    // Every interface broadcast address, in the order the system lists them.
    std::vector<std::string> broadcastAddresses();

    // Cancels the watch, whose cancel handler closes the socket.
    void shutdown();

    int socketFD() const { return socketFD_; }

private:
    void readPending();
    std::optional<std::string> fail(const char* text);

    EventLoop& loop_;
    SocketApi& sockets_;
    Receiver receiver_;
    int socketFD_ = -1;
    Handle reader_;
    std::array<char, maxDatagram> buffer_{};
};

} // namespace glowdeck
