#pragma once

#include "model/SocketApi.h"

namespace glowdeck {

// Socket calls that go nowhere: a pretend descriptor, sends that succeed without leaving the
// process, nothing ever to receive and no interfaces. For rendering the panel without a network.
class OfflineSockets : public SocketApi {
public:
    static constexpr int offlineFD = 1000;

    int socket(int, int, int) override { return offlineFD; }
    int setsockopt(int, int, int, const void*, socklen_t) override { return 0; }
    int fcntl(int, int, int) override { return 0; }
    int bind(int, const sockaddr*, socklen_t) override { return 0; }
    ssize_t sendto(int, const void*, std::size_t length, int, const sockaddr*, socklen_t) override {
        return static_cast<ssize_t>(length);
    }
    ssize_t recvfrom(int, void*, std::size_t, int, sockaddr*, socklen_t*) override;
    int close(int) override { return 0; }
    int getifaddrs(ifaddrs** list) override;
    void freeifaddrs(ifaddrs*) override {}
};

} // namespace glowdeck
