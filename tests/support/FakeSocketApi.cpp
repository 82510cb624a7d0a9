#include "FakeSocketApi.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>

namespace glowdeck::testing {

struct FakeSocketApi::Entry {
    ifaddrs node{};
    std::string name;
    sockaddr_in address{};
    sockaddr_in broadcast{};
};

FakeSocketApi::FakeSocketApi() = default;
FakeSocketApi::~FakeSocketApi() = default;

namespace {

sockaddr_in ipv4(const std::string& text, int family) {
    sockaddr_in address{};
    address.sin_family = static_cast<sa_family_t>(family);
    ::inet_pton(AF_INET, text.c_str(), &address.sin_addr);
    return address;
}

} // namespace

int FakeSocketApi::socket(int, int, int) {
    if (failing.contains("socket")) {
        errno = EACCES;
        return -1;
    }
    return fakeFD;
}

int FakeSocketApi::setsockopt(int, int, int, const void*, socklen_t) {
    return failing.contains("setsockopt") ? -1 : 0;
}

int FakeSocketApi::fcntl(int, int, int) {
    return failing.contains("fcntl") ? -1 : 0;
}

int FakeSocketApi::bind(int, const sockaddr*, socklen_t) {
    return failing.contains("bind") ? -1 : 0;
}

ssize_t FakeSocketApi::sendto(int, const void* bytes, std::size_t length, int, const sockaddr* to,
                              socklen_t) {
    const auto* address = reinterpret_cast<const sockaddr_in*>(to);
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text);
    if (failing.contains("sendto") || unreachable.contains(text)) {
        errno = EHOSTUNREACH;
        return -1;
    }
    sent.push_back(
        {text, ntohs(address->sin_port), std::string(static_cast<const char*>(bytes), length)});
    return static_cast<ssize_t>(length);
}

ssize_t FakeSocketApi::recvfrom(int, void* buffer, std::size_t length, int, sockaddr* from,
                                socklen_t* fromLength) {
    ++receives;
    if (failing.contains("recvfrom") || inbox.empty()) {
        errno = EAGAIN;
        return -1;
    }
    Incoming next = std::move(inbox.front());
    inbox.pop_front();
    auto address = ipv4(next.from, AF_INET);
    address.sin_port = htons(next.port);
    std::memcpy(from, &address, std::min<std::size_t>(*fromLength, sizeof address));
    *fromLength = sizeof address;
    auto n = std::min(length, next.bytes.size());
    std::memcpy(buffer, next.bytes.data(), n);
    return static_cast<ssize_t>(n);
}

int FakeSocketApi::close(int fd) {
    closed.push_back(fd);
    return 0;
}

int FakeSocketApi::getifaddrs(ifaddrs** list) {
    if (failing.contains("getifaddrs"))
        return -1;
    ifaddrs* head = nullptr;
    for (auto it = interfaces.rbegin(); it != interfaces.rend(); ++it) {
        auto entry = std::make_unique<Entry>();
        entry->name = it->name;
        entry->node.ifa_name = entry->name.data();
        entry->node.ifa_flags = it->flags;
        entry->address = ipv4(it->address, it->family);
        entry->broadcast = ipv4(it->broadcast, it->family);
        entry->node.ifa_addr =
            it->address.empty() ? nullptr : reinterpret_cast<sockaddr*>(&entry->address);
        entry->node.ifa_broadaddr =
            it->broadcast.empty() ? nullptr : reinterpret_cast<sockaddr*>(&entry->broadcast);
        entry->node.ifa_next = head;
        head = &entry->node;
        ifaddrStorage_.push_back(std::move(entry));
    }
    *list = head;
    return 0;
}

void FakeSocketApi::freeifaddrs(ifaddrs*) {
    ifaddrStorage_.clear();
}

std::vector<std::string> FakeSocketApi::sentTo(const std::string& method) const {
    std::vector<std::string> targets;
    for (const auto& datagram : sent)
        if (datagram.bytes.find("\"" + method + "\"") != std::string::npos)
            targets.push_back(datagram.to);
    return targets;
}

} // namespace glowdeck::testing
