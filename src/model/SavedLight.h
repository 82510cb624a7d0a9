#pragma once

#include "Bulb.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glowdeck {

// The stored form of a bulb: address and name. The list is kept as a compact JSON array of
// {"ip","name"} objects, keys sorted, e.g. [{"ip":"192.168.1.42","name":"Desk Light"}].
struct SavedLight {
    std::string ip;
    std::string name;

    // The stored bytes for `bulbs`, or nothing when a name or address is not valid UTF-8.
    static std::optional<std::string> encode(const std::vector<Bulb>& bulbs);

    // The list held by `bytes`, or nothing when they are not such an array (any element that
    // is not an object with string "ip" and "name" rejects the whole list).
    static std::optional<std::vector<SavedLight>> decode(std::string_view bytes);

    bool operator==(const SavedLight&) const = default;
};

} // namespace glowdeck
