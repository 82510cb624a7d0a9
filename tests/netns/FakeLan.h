#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace glowdeck::testing {

// The fake LAN that run-discovery.sh builds in its private network namespace.
struct FakeLan {
    static constexpr const char* device = "gdlan0";
    static constexpr const char* client = "10.77.0.1";
    static constexpr const char* broadcast = "10.77.0.255";
    static constexpr std::array<const char*, 4> bulbs{"10.77.0.11", "10.77.0.12", "10.77.0.13",
                                                      "10.77.0.14"};
    // An address of the LAN that no bulb holds at first: where a bulb moves.
    static constexpr const char* spare = "10.77.0.15";

    // Why these tests must not run here: an interface the script did not create, or no fake
    // LAN at all. Nothing when every interface is lo or the bridge, and the bridge is there.
    static std::optional<std::string> problem();

    // The broadcast address of every IPv4 entry of the interface list, in the listed order.
    static std::vector<std::string> broadcastAddresses();
};

} // namespace glowdeck::testing
