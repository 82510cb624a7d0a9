#pragma once

#include "DeviceClass.h"
#include "Time.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace glowdeck {

// One known bulb: its address (its identity), its name and the state it last reported.
struct Bulb {
    // A bulb counts as responding while its last report is younger than this.
    static constexpr std::chrono::milliseconds respondingWindow{35'000};

    std::string ip;
    std::string name;
    bool on = false;
    double brightness = 100.0;   // percent, as reported in "dimming"
    double temperature = 2700.0; // kelvin, as reported in "temp"
    std::optional<std::int64_t> sceneID;
    std::optional<WallTime> lastSeen;
    // Twelve lower-case hex digits, as the bulb reports it; empty while unknown. It follows the
    // bulb when its address moves.
    std::string mac;
    // What the device can take, as far as it has told.
    DeviceClass device;

    // A bulb that has not answered yet: off, 100 %, 2700 K, no scene, never seen.
    static Bulb unseen(std::string ip, std::string name) {
        Bulb bulb;
        bulb.ip = std::move(ip);
        bulb.name = std::move(name);
        return bulb;
    }

    bool responding(WallTime now) const { return lastSeen && now - *lastSeen < respondingWindow; }

    bool operator==(const Bulb&) const = default;
};

} // namespace glowdeck
