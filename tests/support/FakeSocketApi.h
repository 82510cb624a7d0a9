#pragma once

#include "model/SocketApi.h"

#include <deque>
#include <ifaddrs.h>
#include <memory>
#include <net/if.h>
#include <netinet/in.h>
#include <set>
#include <string>
#include <vector>

namespace glowdeck::testing {

// Socket calls that never reach the network: sends are recorded, received datagrams come from
// a queue the test fills, the interface list is the test's, and any call can be made to fail.
class FakeSocketApi : public SocketApi {
public:
    struct Datagram {
        std::string to; // dotted-quad destination
        std::uint16_t port = 0;
        std::string bytes;
    };
    struct Incoming {
        std::string bytes;
        std::string from;
        std::uint16_t port = 38899;
    };
    struct Interface {
        std::string name;
        int family = AF_INET;
        unsigned flags = 0;
        std::string address;   // empty: no address
        std::string broadcast; // empty: none
    };

    static constexpr int fakeFD = 1000;

    FakeSocketApi();
    ~FakeSocketApi() override;

    // Calls by name ("socket", "setsockopt", "fcntl", "bind", "sendto", "recvfrom",
    // "getifaddrs") that fail from now on.
    std::set<std::string> failing;
    // Destinations whose sendto fails.
    std::set<std::string> unreachable;
    std::vector<Interface> interfaces;
    std::deque<Incoming> inbox;

    std::vector<Datagram> sent;
    std::vector<int> closed;
    int receives = 0;

    int socket(int domain, int type, int protocol) override;
    int setsockopt(int fd, int level, int name, const void* value, socklen_t length) override;
    int fcntl(int fd, int command, int argument) override;
    int bind(int fd, const sockaddr* address, socklen_t length) override;
    ssize_t sendto(int fd, const void* bytes, std::size_t length, int flags, const sockaddr* to,
                   socklen_t toLength) override;
    ssize_t recvfrom(int fd, void* buffer, std::size_t length, int flags, sockaddr* from,
                     socklen_t* fromLength) override;
    int close(int fd) override;
    int getifaddrs(ifaddrs** list) override;
    void freeifaddrs(ifaddrs* list) override;

    // The destinations of the sends so far whose bytes contain `method`, in order.
    std::vector<std::string> sentTo(const std::string& method) const;
    void clearSent() { sent.clear(); }

private:
    struct Entry;
    std::vector<std::unique_ptr<Entry>> ifaddrStorage_;
};

} // namespace glowdeck::testing
