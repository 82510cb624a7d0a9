#pragma once

#include "model/Bulb.h"

#include <string>
#include <vector>

namespace glowdeck {

// Finds the lights a verb names: by address, by name in any case, or by the unique beginning
// of a name. A name that fits two lights is an error, never a guess.
struct LightMatch {
    std::vector<std::string> addresses; // in the order named, each once
    std::string error;                  // a usage error naming the known lights

    static LightMatch find(const std::vector<Bulb>& bulbs, const std::vector<std::string>& typed);

    // A light as the verbs' texts name it: "Desk (192.168.1.42)".
    static std::string described(const Bulb& bulb);
};

} // namespace glowdeck
