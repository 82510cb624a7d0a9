#pragma once

#include <netinet/in.h>
#include <string>
#include <string_view>
#include <vector>

namespace glowdeck::sim {

// The IPv4 addresses and broadcast addresses of this machine's interfaces, as listed when the
// snapshot was taken.
class HostAddresses {
public:
    static HostAddresses current();

    // A loopback address or the address of one of the interfaces.
    bool isLocal(in_addr address) const;
    // 255.255.255.255 or the broadcast address of one of the interfaces.
    bool isBroadcast(in_addr address) const;

    // True for 127.0.0.0/8, without looking at the interfaces.
    static bool isLoopback(in_addr address);

    // The first interface that is neither lo nor one that a test made (their names start with
    // "gd"), or "" when there is none.
    std::string foreignInterface() const;

private:
    std::vector<std::string> interfaces_;
    std::vector<in_addr_t> addresses_;
    std::vector<in_addr_t> broadcasts_;
};

} // namespace glowdeck::sim
