#pragma once

#include <cstdint>
#include <netinet/in.h>
#include <optional>
#include <string>
#include <string_view>

namespace glowdeck::sim {

// One non-blocking IPv4 UDP socket bound to an address and port, that also learns the
// destination address of what it receives. It only ever sends to this machine: a destination
// that is not one of the machine's own addresses is refused, so a simulator that hears a
// broadcast from the wider network never answers it.
class DatagramSocket {
public:
    struct Datagram {
        std::string bytes;
        std::string from; // dotted-quad source address
        std::uint16_t fromPort = 0;
        std::string destination; // the address the datagram was sent to
    };

    // Binds to `address`:`port`. With `shareAddress`, SO_REUSEADDR lets a wildcard and a
    // specific bind of the same port coexist. Throws std::system_error when it cannot.
    DatagramSocket(const std::string& address, std::uint16_t port, bool shareAddress);
    ~DatagramSocket();
    DatagramSocket(const DatagramSocket&) = delete;
    DatagramSocket& operator=(const DatagramSocket&) = delete;

    int fd() const { return fd_; }
    const std::string& address() const { return address_; }
    std::uint16_t port() const { return port_; }

    // The next queued datagram, or nothing when none is waiting.
    std::optional<Datagram> receive();

    // Sends one datagram; false when refused (not a local destination) or when sendto failed.
    bool sendTo(const std::string& address, std::uint16_t port, std::string_view bytes);

private:
    int fd_ = -1;
    std::string address_;
    std::uint16_t port_ = 0;
};

} // namespace glowdeck::sim
