#include "SavedLight.h"

#include "Wire.h"

#include <nlohmann/json.hpp>

namespace glowdeck {

using nlohmann::json;

std::optional<std::string> SavedLight::encode(const std::vector<Bulb>& bulbs) {
    json list = json::array();
    for (const auto& bulb : bulbs)
        list.push_back({{"ip", bulb.ip}, {"name", bulb.name}}); // json objects keep keys sorted
    try {
        return list.dump();
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

SavedLight::Decoded SavedLight::decode(std::string_view bytes) {
    const json list = Wire::parse(bytes);
    if (!list.is_array())
        return {};
    Decoded decoded{{}, true};
    decoded.lights.reserve(list.size());
    for (const auto& element : list) {
        auto ip = element.find("ip"); // end() for anything but an object
        auto name = element.find("name");
        if (ip == element.end() || name == element.end() || !ip->is_string() ||
            !name->is_string()) {
            decoded.complete = false;
            continue;
        }
        decoded.lights.push_back({ip->get<std::string>(), name->get<std::string>()});
    }
    return decoded;
}

} // namespace glowdeck
