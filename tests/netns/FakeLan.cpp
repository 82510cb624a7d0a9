#include "FakeLan.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <string_view>

namespace glowdeck::testing {

namespace {

std::string text(const sockaddr* address) {
    char buffer[INET_ADDRSTRLEN] = {};
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    return ::inet_ntop(AF_INET, &ipv4->sin_addr, buffer, sizeof buffer) ? buffer : "";
}

} // namespace

std::optional<std::string> FakeLan::problem() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return "cannot list the network interfaces";
    std::optional<std::string> found;
    bool haveClient = false;
    for (auto* entry = list; entry != nullptr && !found; entry = entry->ifa_next) {
        const std::string_view name = entry->ifa_name;
        if (name != "lo" && name != device)
            found = "interface " + std::string(name) + " was not created by the test";
        else if (name == device && entry->ifa_addr != nullptr &&
                 entry->ifa_addr->sa_family == AF_INET && text(entry->ifa_addr) == client)
            haveClient = true;
    }
    ::freeifaddrs(list);
    if (!found && !haveClient)
        found = std::string("no fake LAN: ") + device + " does not hold " + client;
    return found;
}

std::vector<std::string> FakeLan::broadcastAddresses() {
    std::vector<std::string> addresses;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return addresses;
    for (auto* entry = list; entry != nullptr; entry = entry->ifa_next)
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET &&
            (entry->ifa_flags & IFF_BROADCAST) != 0 && entry->ifa_broadaddr != nullptr)
            addresses.push_back(text(entry->ifa_broadaddr));
    ::freeifaddrs(list);
    return addresses;
}

} // namespace glowdeck::testing
