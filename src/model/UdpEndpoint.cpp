#include "UdpEndpoint.h"

#include "Messages.h"
#include "Wire.h"

#include <arpa/inet.h>
#include <cstring>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace glowdeck {

UdpEndpoint::UdpEndpoint(EventLoop& loop, SocketApi& sockets) : loop_(loop), sockets_(sockets) {}

UdpEndpoint::~UdpEndpoint() {
    shutdown();
}

std::optional<std::string> UdpEndpoint::fail(const char* text) {
    sockets_.close(socketFD_);
    socketFD_ = -1;
    return text;
}

std::optional<std::string> UdpEndpoint::open(Receiver receiver) {
    receiver_ = std::move(receiver);
    socketFD_ = sockets_.socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (socketFD_ < 0) {
        socketFD_ = -1;
        return std::string(messages::cannotOpen);
    }

    int enable = 1; // without it a broadcast send fails, and send() reports that
    sockets_.setsockopt(socketFD_, SOL_SOCKET, SO_BROADCAST, &enable, sizeof enable);
    // Without it the default buffer holds only the replies of a couple of hundred bulbs.
    int room = receiveBuffer;
    sockets_.setsockopt(socketFD_, SOL_SOCKET, SO_RCVBUF, &room, sizeof room);

    if (sockets_.fcntl(socketFD_, F_SETFL, O_NONBLOCK) != 0)
        return fail(messages::cannotConfigure.data());

    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = 0;
    if (sockets_.bind(socketFD_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
        return fail(messages::cannotListen.data());

    const int fd = socketFD_;
    reader_ = loop_.watchReadable(
        fd, [this] { readPending(); }, [&sockets = sockets_, fd] { sockets.close(fd); });
    return std::nullopt;
}

void UdpEndpoint::readPending() {
    for (int pass = 0; pass < maxDatagramsPerPass && socketFD_ >= 0; ++pass) {
        sockaddr_in source{};
        socklen_t sourceLength = sizeof source;
        auto received = sockets_.recvfrom(socketFD_, buffer_.data(), buffer_.size(), 0,
                                          reinterpret_cast<sockaddr*>(&source), &sourceLength);
        if (received < 1)
            return;
        if (source.sin_family != AF_INET || ntohs(source.sin_port) != Wire::port)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        if (!sockets_.inet_ntop(AF_INET, &source.sin_addr, text, sizeof text))
            continue;
        receiver_(std::string_view(buffer_.data(), static_cast<std::size_t>(received)), text);
    }
}

UdpEndpoint::Sent UdpEndpoint::send(const std::string& ip, std::string_view bytes) {
    if (socketFD_ < 0)
        return Sent::Skipped;
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(Wire::port);
    if (sockets_.inet_pton(AF_INET, ip.c_str(), &destination.sin_addr) != 1)
        return Sent::Skipped;
    auto result =
        sockets_.sendto(socketFD_, bytes.data(), bytes.size(), 0,
                        reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
    return result < 0 ? Sent::Failed : Sent::Yes;
}

std::vector<std::string> UdpEndpoint::broadcastAddresses() {
    std::vector<std::string> addresses;
    ifaddrs* list = nullptr;
    if (sockets_.getifaddrs(&list) != 0)
        return addresses;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET ||
            !(entry->ifa_flags & IFF_BROADCAST) || !entry->ifa_broadaddr)
            continue;
        const auto* broadcast = reinterpret_cast<const sockaddr_in*>(entry->ifa_broadaddr);
        char text[INET_ADDRSTRLEN] = {};
        if (sockets_.inet_ntop(AF_INET, &broadcast->sin_addr, text, sizeof text))
            addresses.emplace_back(text);
    }
    sockets_.freeifaddrs(list);
    return addresses;
}

void UdpEndpoint::shutdown() {
    reader_.reset(); // the watch's cancel handler closes the descriptor
    socketFD_ = -1;
}

} // namespace glowdeck
