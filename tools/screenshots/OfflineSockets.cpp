#include "OfflineSockets.h"

#include <cerrno>

namespace glowdeck {

ssize_t OfflineSockets::recvfrom(int, void*, std::size_t, int, sockaddr*, socklen_t*) {
    errno = EAGAIN;
    return -1;
}

int OfflineSockets::getifaddrs(ifaddrs** list) {
    *list = nullptr;
    return 0;
}

} // namespace glowdeck
