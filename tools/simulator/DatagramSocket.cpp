#include "DatagramSocket.h"

#include "HostAddresses.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

namespace glowdeck::sim {

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

std::string text(in_addr address) {
    std::array<char, INET_ADDRSTRLEN> buffer{};
    return ::inet_ntop(AF_INET, &address, buffer.data(), buffer.size()) ? buffer.data() : "";
}

} // namespace

DatagramSocket::DatagramSocket(const std::string& address, std::uint16_t port, bool shareAddress,
                               std::vector<in_addr_t> peers)
    : address_(address), port_(port), peers_(std::move(peers)) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1) {
        errno = EINVAL;
        fail("not an IPv4 address: " + address);
    }
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_UDP);
    if (fd_ < 0)
        fail("socket");
    const int one = 1;
    if ((shareAddress && ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one) != 0) ||
        ::setsockopt(fd_, IPPROTO_IP, IP_PKTINFO, &one, sizeof one) != 0 ||
        ::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        errno = error;
        fail("cannot bind " + address + ":" + std::to_string(port));
    }
}

DatagramSocket::~DatagramSocket() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<DatagramSocket::Datagram> DatagramSocket::receive() {
    // Large enough for any UDP payload, so the log holds exactly what was sent.
    static thread_local std::array<char, 65536> buffer;
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(in_pktinfo))> control{};
    sockaddr_in source{};
    iovec chunk{buffer.data(), buffer.size()};
    msghdr message{};
    message.msg_name = &source;
    message.msg_namelen = sizeof source;
    message.msg_iov = &chunk;
    message.msg_iovlen = 1;
    message.msg_control = control.data();
    message.msg_controllen = control.size();

    const ssize_t length = ::recvmsg(fd_, &message, 0);
    if (length < 0)
        return std::nullopt;

    Datagram datagram;
    datagram.bytes.assign(buffer.data(), static_cast<std::size_t>(length));
    datagram.from = text(source.sin_addr);
    datagram.fromPort = ntohs(source.sin_port);
    datagram.destination = address_;
    for (auto* header = CMSG_FIRSTHDR(&message); header != nullptr;
         header = CMSG_NXTHDR(&message, header))
        if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(header), sizeof info);
            datagram.destination = text(info.ipi_addr);
        }
    return datagram;
}

bool DatagramSocket::sendTo(const std::string& address, std::uint16_t port,
                            std::string_view bytes) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &to.sin_addr) != 1)
        return false;
    // A peer needs no look at the interfaces: a burst of replies to one stays cheap.
    const bool peer = std::ranges::find(peers_, to.sin_addr.s_addr) != peers_.end();
    if (!peer && !HostAddresses::isLoopback(to.sin_addr) &&
        !HostAddresses::current().isLocal(to.sin_addr))
        return false;
    return ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                    sizeof to) == static_cast<ssize_t>(bytes.size());
}

} // namespace glowdeck::sim
