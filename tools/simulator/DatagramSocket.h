#pragma once

#include <cstdint>
#include <netinet/in.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glowdeck::sim {

// One non-blocking IPv4 UDP socket bound to an address and port, that also learns the
// destination address of what it receives. It only ever sends to this machine and to the peers
// it was given: any other destination is refused, so a simulator that hears a broadcast from
// the wider network never answers it.
class DatagramSocket {
public:
    struct Datagram {
        std::string bytes;
        std::string from; // dotted-quad source address
        std::uint16_t fromPort = 0;
        std::string destination; // the address the datagram was sent to
    };

    // Binds to `address`:`port`. With `shareAddress`, SO_REUSEADDR lets a wildcard and a
    // specific bind of the same port coexist. `peers` are further destinations allowed besides
    // this machine's own addresses. Throws std::system_error when it cannot bind.
    DatagramSocket(const std::string& address, std::uint16_t port, bool shareAddress,
                   std::vector<in_addr_t> peers = {});
    ~DatagramSocket();
    DatagramSocket(const DatagramSocket&) = delete;
    DatagramSocket& operator=(const DatagramSocket&) = delete;

    int fd() const { return fd_; }
    const std::string& address() const { return address_; }
    std::uint16_t port() const { return port_; }

    // The next queued datagram, or nothing when none is waiting.
    std::optional<Datagram> receive();

    // Sends one datagram; false when refused (neither local nor a peer) or when sendto failed.
    bool sendTo(const std::string& address, std::uint16_t port, std::string_view bytes);

private:
    int fd_ = -1;
    std::string address_;
    std::uint16_t port_ = 0;
    std::vector<in_addr_t> peers_;
};

} // namespace glowdeck::sim
