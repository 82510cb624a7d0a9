#pragma once

#include <cstddef>
#include <sys/socket.h>
#include <sys/types.h>

struct ifaddrs;

namespace glowdeck {

// The operating system's socket calls, one virtual per call so a test can make any one fail.
// Each has the signature and the result convention of the POSIX call of the same name.
class SocketApi {
public:
    virtual ~SocketApi() = default;

    virtual int socket(int domain, int type, int protocol);
    virtual int setsockopt(int fd, int level, int name, const void* value, socklen_t length);
    virtual int fcntl(int fd, int command, int argument);
    virtual int bind(int fd, const sockaddr* address, socklen_t length);
    virtual ssize_t sendto(int fd, const void* bytes, std::size_t length, int flags,
                           const sockaddr* to, socklen_t toLength);
    virtual ssize_t recvfrom(int fd, void* buffer, std::size_t length, int flags, sockaddr* from,
                             socklen_t* fromLength);
    virtual int close(int fd);
    virtual int getifaddrs(ifaddrs** list);
    virtual void freeifaddrs(ifaddrs* list);
    virtual int inet_pton(int family, const char* text, void* address);
    virtual const char* inet_ntop(int family, const void* address, char* text, socklen_t size);

    // The plain system calls.
    static SocketApi& system();
};

} // namespace glowdeck
