#pragma once

#include "Bulb.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glowdeck {

// The stored form of a bulb: address and name, and what the device told of itself. The list is
// kept as a compact JSON array of objects, keys sorted, e.g.
// [{"ip":"192.168.1.42","name":"Desk Light"}]; the optional members "mac", "module",
// "minKelvin" and "maxKelvin" follow once learnt. Unknown members are ignored.
struct SavedLight {
    std::string ip;
    std::string name;
    std::string mac = {};
    DeviceClass device = {};

    // The stored bytes for `bulbs`, or nothing when a name or address is not valid UTF-8.
    static std::optional<std::string> encode(const std::vector<Bulb>& bulbs);

    // What a stored value holds: every element that is an object with a string "ip" and a
    // string "name", in order; an optional member that is malformed is left out alone. `complete`
    // is false when anything was left out, or when the bytes are not a JSON array at all.
    struct Decoded {
        std::vector<SavedLight> lights;
        bool complete = false;
        bool operator==(const Decoded&) const = default;
    };
    static Decoded decode(std::string_view bytes);

    bool operator==(const SavedLight&) const = default;
};

} // namespace glowdeck
