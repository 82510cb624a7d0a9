#include "HostAddresses.h"

#include <algorithm>
#include <ifaddrs.h>
#include <net/if.h>

namespace glowdeck::sim {

HostAddresses HostAddresses::current() {
    HostAddresses host;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return host;
    for (auto* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (std::ranges::find(host.interfaces_, entry->ifa_name) == host.interfaces_.end())
            host.interfaces_.emplace_back(entry->ifa_name);
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        host.addresses_.push_back(
            reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr);
        if ((entry->ifa_flags & IFF_BROADCAST) != 0 && entry->ifa_broadaddr != nullptr &&
            entry->ifa_broadaddr->sa_family == AF_INET)
            host.broadcasts_.push_back(
                reinterpret_cast<const sockaddr_in*>(entry->ifa_broadaddr)->sin_addr.s_addr);
    }
    ::freeifaddrs(list);
    return host;
}

bool HostAddresses::isLoopback(in_addr address) {
    return (ntohl(address.s_addr) >> 24) == 127;
}

std::string HostAddresses::foreignInterface() const {
    for (const auto& name : interfaces_)
        if (name != "lo" && !name.starts_with("gd"))
            return name;
    return {};
}

bool HostAddresses::isLocal(in_addr address) const {
    return isLoopback(address) || std::ranges::find(addresses_, address.s_addr) != addresses_.end();
}

bool HostAddresses::isBroadcast(in_addr address) const {
    return address.s_addr == INADDR_BROADCAST ||
           std::ranges::find(broadcasts_, address.s_addr) != broadcasts_.end();
}

} // namespace glowdeck::sim
