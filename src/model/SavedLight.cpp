#include "SavedLight.h"

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

std::optional<std::vector<SavedLight>> SavedLight::decode(std::string_view bytes) {
    json list = json::parse(bytes, nullptr, /*allow_exceptions=*/false);
    if (!list.is_array())
        return std::nullopt;
    std::vector<SavedLight> lights;
    lights.reserve(list.size());
    for (const auto& element : list) {
        if (!element.is_object())
            return std::nullopt;
        auto ip = element.find("ip");
        auto name = element.find("name");
        if (ip == element.end() || name == element.end() || !ip->is_string() || !name->is_string())
            return std::nullopt;
        lights.push_back({ip->get<std::string>(), name->get<std::string>()});
    }
    return lights;
}

} // namespace glowdeck
