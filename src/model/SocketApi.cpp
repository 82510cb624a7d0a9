#include "SocketApi.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <unistd.h>

namespace glowdeck {

int SocketApi::socket(int domain, int type, int protocol) {
    return ::socket(domain, type, protocol);
}

int SocketApi::setsockopt(int fd, int level, int name, const void* value, socklen_t length) {
    return ::setsockopt(fd, level, name, value, length);
}

int SocketApi::fcntl(int fd, int command, int argument) {
    return ::fcntl(fd, command, argument);
}

int SocketApi::bind(int fd, const sockaddr* address, socklen_t length) {
    return ::bind(fd, address, length);
}

ssize_t SocketApi::sendto(int fd, const void* bytes, std::size_t length, int flags,
                          const sockaddr* to, socklen_t toLength) {
    return ::sendto(fd, bytes, length, flags, to, toLength);
}

ssize_t SocketApi::recvfrom(int fd, void* buffer, std::size_t length, int flags, sockaddr* from,
                            socklen_t* fromLength) {
    return ::recvfrom(fd, buffer, length, flags, from, fromLength);
}

int SocketApi::close(int fd) {
    return ::close(fd);
}

int SocketApi::getifaddrs(ifaddrs** list) {
    return ::getifaddrs(list);
}

void SocketApi::freeifaddrs(ifaddrs* list) {
    ::freeifaddrs(list);
}

int SocketApi::inet_pton(int family, const char* text, void* address) {
    return ::inet_pton(family, text, address);
}

const char* SocketApi::inet_ntop(int family, const void* address, char* text, socklen_t size) {
    return ::inet_ntop(family, address, text, size);
}

SocketApi& SocketApi::system() {
    static SocketApi calls;
    return calls;
}

} // namespace glowdeck
