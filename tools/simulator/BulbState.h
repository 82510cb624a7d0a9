#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace glowdeck::sim {

// What a simulated bulb is showing: on or off, brightness, and either a white temperature, a
// colour (red, green, blue and the cool and warm white channels) or a scene at some speed.
struct BulbState {
    std::string mac = "a8bb50000001";
    int rssi = -55;
    bool on = true;
    std::int64_t dimming = 100;
    std::int64_t temp = 2700;
    std::int64_t sceneId = 0;                       // 0: no scene
    std::int64_t speed = 100;                       // how fast a scene changes, 10 to 200
    std::optional<std::array<std::int64_t, 3>> rgb; // set while showing a colour
    std::int64_t c = 0;                             // cool white, while showing a colour
    std::int64_t w = 0;                             // warm white, while showing a colour

    // The state report as a bulb sends it, keys in the bulb's own order. `src` is "" in
    // replies and "udp" in the reports a bulb sends on its own.
    nlohmann::ordered_json pilot(std::string_view src) const;

    // This state with a "setPilot" parameter object applied, or nothing when the object is
    // not one a bulb accepts (not an object, a value of the wrong type or out of range).
    // Keys the bulb does not know are ignored.
    std::optional<BulbState> applied(const nlohmann::json& params) const;
};

} // namespace glowdeck::sim
